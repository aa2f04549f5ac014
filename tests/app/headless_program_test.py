"""Runs of the quorvel-headless program: its environment, event script,
JSON state records and exit codes. Usage: headless_program_test.py PROGRAM"""

import json
import os
import subprocess
import sys
import tempfile
import unittest

PROGRAM = None
LOCAL_VERSION = b"Quorvel Demo\n101\nhttp://127.0.0.1:1/version.txt\n"
# Line 0 holds bytes above 127: the records must give them back exactly.
LANGUAGE = b"Fehler \xe4\xfc\nNo version file\n" + b"".join(
    b"T%d\n" % n for n in range(2, 48))


def run(events=None, environment=None, local_version=True, language=True,
        arguments=(), state=True):
    """Runs the program in a fresh folder; returns (exit code, stderr,
    records)."""
    with tempfile.TemporaryDirectory() as folder:
        if local_version:
            with open(os.path.join(folder, "localversion.txt"), "wb") as f:
                f.write(LOCAL_VERSION)
        if language:
            os.mkdir(os.path.join(folder, "language"))
            with open(os.path.join(folder, "language", "English.txt"),
                      "wb") as f:
                f.write(LANGUAGE)
        env = {k: v for k, v in os.environ.items()
               if not k.startswith("QUORVEL_")}
        if events is not None:
            env["QUORVEL_EVENTS"] = os.path.join(folder, "events.txt")
            with open(env["QUORVEL_EVENTS"], "w") as f:
                f.write(events)
        state_path = os.path.join(folder, "state.jsonl")
        if state:
            env["QUORVEL_STATE"] = state_path
        env.update(environment or {})
        done = subprocess.run([PROGRAM, *arguments], cwd=folder, env=env,
                              capture_output=True, timeout=60)
        records = []
        if os.path.exists(state_path):
            with open(state_path, encoding="ascii") as f:
                records = [json.loads(line) for line in f]
        return done.returncode, done.stderr.decode(), records


def as_bytes(text):
    return text.encode("latin-1")


class HeadlessProgramTest(unittest.TestCase):
    def test_missing_version_file_gives_one_message_and_the_exit_record(self):
        code, _, records = run(local_version=False)
        self.assertEqual(code, 0)
        self.assertEqual([r["record"] for r in records], ["exit"])
        self.assertEqual(records[0]["messages"],
                         [{"title": "Fehler \u00e4\u00fc",
                           "text": "No version file"}])
        self.assertEqual(as_bytes(records[0]["messages"][0]["title"]),
                         b"Fehler \xe4\xfc")
        self.assertEqual(records[0]["windows"], [])

    def test_no_title_without_language_file_and_none_outside_interactive(self):
        cases = [((), [{"title": None, "text": ""}]), (("1",), []),
                 (("muted",), [])]
        for arguments, messages in cases:
            code, _, records = run(local_version=False, language=False,
                                   arguments=arguments)
            self.assertEqual((code, records[-1]["messages"]),
                             (0, messages), arguments)

    def test_failing_font_by_order_of_creation(self):
        for font in ("1", "2", "3"):
            code, _, records = run(environment={"QUORVEL_FAIL_FONT": font})
            self.assertEqual(code, 0)
            self.assertEqual([m["text"] for m in records[-1]["messages"]],
                             ["T%d" % (int(font) + 1)])

    def test_script_records_each_wait_and_normalises_the_event(self):
        script = "# open the About window\n\nclick   11\nclose 1\nclick 6\n" \
                 "click 27\n  close 0\n"
        code, _, records = run(events=script,
                               environment={"QUORVEL_SCREEN": "800x600"})
        self.assertEqual(code, 0)
        self.assertEqual([(r["record"], r.get("event")) for r in records],
                         [("wait", "click 11"), ("wait", "close 1"),
                          ("wait", "click 6"), ("wait", "click 27"),
                          ("wait", "close 0"), ("exit", None)])
        main, about = records[1]["windows"]
        self.assertEqual(main, {"number": 0, "title": "Quorvel v.1.01",
                                "x": 247, "y": 155, "width": 300,
                                "height": 261, "open": True,
                                "enabled": False, "topmost": False,
                                "tool": False})
        self.assertEqual((about["x"], about["y"], about["tool"],
                          about["topmost"]), (257, 165, True, True))
        banner, title = records[0]["controls"][:2]
        self.assertEqual(banner, {"id": 11, "window": 0, "kind": "picture",
                                  "x": 0, "y": 0, "width": 300, "height": 50,
                                  "text": None, "font": "default",
                                  "textColor": None, "fillColor": None,
                                  "border": False, "enabled": True,
                                  "value": None})
        self.assertEqual((title["font"], title["textColor"],
                          title["fillColor"], title["border"]),
                         ("TitleFont", [100, 160, 255], [0, 0, 0], True))
        progress = records[0]["controls"][9]
        self.assertEqual((progress["kind"], progress["value"]),
                         ("progress", 0))
        # The click on the disabled main window's button started no check.
        action = [c for c in records[3]["controls"] if c["id"] == 6][0]
        self.assertEqual((action["text"], action["enabled"]), ("T45", True))
        self.assertEqual(records[-1]["controls"], [])
        self.assertEqual(records[-1]["started"], [])

    def test_used_up_script_ends_at_once_with_code_3(self):
        code, stderr, records = run(events="click 14\n")
        self.assertEqual(code, 3)
        self.assertIn("event script exhausted", stderr)
        self.assertEqual([(r["record"], r.get("event")) for r in records],
                         [("wait", "click 14"), ("wait", None)])
        self.assertTrue(records[-1]["windows"][1]["open"])

    def test_no_script_and_no_display(self):
        code, _, records = run(environment={"QUORVEL_SCREEN": "none"})
        self.assertEqual(code, 3)
        self.assertEqual((records[0]["windows"][0]["x"],
                          records[0]["windows"][0]["y"]), (0, 0))

    def test_unreadable_settings_end_before_anything(self):
        cases = [{"QUORVEL_SCREEN": "wide"}, {"QUORVEL_FAIL_FONT": "4"},
                 {"QUORVEL_EVENTS": "/nonexistent/events.txt"}]
        for environment in cases:
            code, stderr, records = run(events=None, environment=environment)
            self.assertEqual((code, records), (2, []), environment)
            self.assertIn("quorvel-headless:", stderr)
        code, stderr, _ = run(events="click six\n")
        self.assertEqual(code, 2)
        self.assertIn("line 1", stderr)

    def test_without_state_path_nothing_is_written(self):
        code, _, records = run(events="close 0\n", state=False)
        self.assertEqual((code, records), (0, []))


if __name__ == "__main__":
    PROGRAM = os.path.abspath(sys.argv.pop(1))
    unittest.main()
