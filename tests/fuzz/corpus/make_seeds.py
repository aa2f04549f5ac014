#!/usr/bin/env python3
"""Writes the seed corpus of each fuzz target: real cases, laid out the way
the target reads its input. FuzzedDataProvider takes numbers from the end of
the input and text from the front, so a seed is its text followed by the
numbers in reverse order of taking."""
import pathlib
import struct

here = pathlib.Path(__file__).parent


def write(target, name, data):
    folder = here / target
    folder.mkdir(exist_ok=True)
    (folder / name).write_bytes(data if isinstance(data, bytes) else data.encode("latin-1"))


def no_cuts():
    return b"\x00"  # the number of cuts, taken first from the end


def body(text, scene, length=None):
    """A body_decoder input: text, no cuts, then the length and the scene."""
    numbers = no_cuts()
    if length is None:
        numbers += b"\x00" + struct.pack(">q", 0)  # no small length
    else:
        numbers += struct.pack("<H", length) + b"\x01" + struct.pack(">q", 0)
    return text.encode("latin-1") + numbers + bytes([scene])


write("line_reading", "localversion-crlf",
      "Quorvel Demo\r\n100\r\nhttp://127.0.0.1:8731/version.txt\r\n" + "\0" * 5)
write("line_reading", "bom-five-lines",
      "\xef\xbb\xbfProduct\n101\nhttp://example.com/v.txt\nspare\nextra\n" + "\0" * 5)
write("line_reading", "mixed-endings",
      "line one\rline two\n\rafter lf cr\0after nul\r\n\r\nlast without end" + "\0" * 5)
write("line_reading", "change-log-300-lines",
      "".join(f"- change {n}\r\n" for n in range(300)) + "\0" * 5)

for name, installed, latest in [
        ("plain", "101", "102"), ("hex", "1.01", "$FF"), ("binary", " 12", "%101"),
        ("signs", "-5", "+7"), ("leading-zero", "100", "0101"),
        ("blank-after-sign", "- 5", "999 "), ("empty", "", "abc")]:
    write("number_rule", name, installed.replace("\\", "\\\\") + "\\n" + latest)

for name, line in [
        ("no-parameters", "quorvel"), ("interactive-german", 'quorvel "" German'),
        ("silent", "quorvel 1 German"), ("quote-then-word", 'quorvel "1"German'),
        ("blanks-and-tab", 'quorvel   "a b"  \tc  d e'), ("open-quote", 'quorvel "1 German')]:
    write("command_line", name, line)

for name, url in [
        ("plain", "http://example.com/version.txt"),
        ("credentials-port-query", "http://user:pw@127.0.0.1:8080/a/b?x=1#frag"),
        ("port-no-path", "http://host:81"), ("colon-in-path", "http://host/a:b/c"),
        ("other-scheme", "ftp://h"), ("empty-port", "http://h:/x"),
        ("signed-port-blanks", "http://h: -65535/x   "), ("at-in-path", "http://h/a@b")]:
    write("url_split", name, url)

heads = {
    "length": "HTTP/1.1 200 OK\r\nContent-Length: 5\r\n\r\nhello",
    "chunked": "HTTP/1.1 200 OK\r\nTransfer-Encoding: Chunked\r\n\r\n5\r\nhello\r\n0\r\n\r\n",
    "both": "HTTP/1.1 200 OK\r\nContent-Length: 3\r\ntransfer-encoding: gzip, chunked\r\n\r\n",
    "redirect": "HTTP/1.1 302 Found\r\nLocation: http://x/\r\nContent-Length: 0\r\n\r\n",
    "not-found-200": "HTTP/1.1 404 Not 200\r\n\r\n",
    "http10-lf": "HTTP/1.0 200 OK\nServer: x\n\nbody",
    "no-blank-length": "HTTP/1.1 200 OK\r\ncontent-length:123\r\n\r\n",
    "bad-length": "HTTP/1.1 200 OK\r\nContent-Length: 99999999999999999999\r\n\r\n",
    "bare-cr": "HTTP/1.1 200 OK\rA: b\r\r",
}
for name, head in heads.items():
    write("answer_head", name, head.encode("latin-1") + no_cuts())

write("body_decoder", "length-5", body("hello, and more", 0, length=5))
write("body_decoder", "chunked", body("5\r\nhello\r\n6;x=y\r\n world\r\n0\r\nT: 1\r\n\r\n", 1))
write("body_decoder", "chunked-lf", body("5\nhello\n0\n", 1))
write("body_decoder", "chunked-bad-size", body("-5\r\nhello\r\n0\r\n\r\n", 1))
write("body_decoder", "chunked-huge-size", body("ffffffffffffffff\r\nx", 1))
write("body_decoder", "until-close", body("all of it\r\n0\r\n", 2))
write("body_decoder", "built-chunks", b"some chunk data\\xmore\\x" + b"\x03" * 8 + b"\x03")
