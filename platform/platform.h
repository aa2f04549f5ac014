// The one seam between the checker and the operating system.
//
// Everything in app/, data/, check/ and ui/ talks to the system only through
// the declarations below. Each backend (posix + gtk, posix + headless, win32)
// defines them once; the build picks the backend at link time.
//
// Texts are byte strings, passed through unchanged; a backend converts only at
// its own edge (GTK: UTF-8 or Windows-1252; Win32: the ...A functions).
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace platform {

// ---------------------------------------------------------------------------
// Process

// Called first thing by the process entry, with main's arguments.
void StartProcess(int argc, char** argv);

// The process's command line as one text, program name first. On Linux the
// arguments joined by single blanks, each empty argument or argument holding a
// blank enclosed in double quotes; on Windows GetCommandLineA as it is.
std::string CommandLineText();

// An environment variable's value; an unset variable reads as the empty text.
// Letter case of the name is ignored where the system ignores it (Windows).
std::string EnvironmentVariable(const std::string& name);

// The separator between a folder and a name: '\\' on Windows, '/' elsewhere.
extern const char kPathSeparator;

// ---------------------------------------------------------------------------
// Files

// An open file. Opaque: each backend defines it.
struct File;

// Opens an existing regular file for reading only, shared with other readers.
// Never blocks (a FIFO or a folder is refused). Returns nullptr on failure.
File* OpenFileForReading(const std::string& path);

// The next byte (0 to 255), or -1 when no byte is left.
int ReadFileByte(File* file);

// True when no byte is left to read.
bool AtEndOfFile(File* file);

// Closes a file opened by any of the calls here; nullptr is ignored.
void CloseFile(File* file);

// Deletes the file at path; true when it is gone.
bool DeleteFileAt(const std::string& path);

// Creates a new file for writing, exclusively: fails when anything (a file,
// a folder, a symbolic link) already stands at path. Returns nullptr on failure.
File* CreateNewFile(const std::string& path);

// Writes all bytes; false when not all could be written.
bool WriteFileBytes(File* file, const char* bytes, std::size_t count);

// Moves the file at from to to, replacing what stands at to.
bool MoveFileIntoPlace(const std::string& from, const std::string& to);

// The folder for temporary files, without a trailing separator: the "tmp"
// environment variable in any letter case; on Linux, when unset, TMPDIR, then
// "/tmp".
std::string TemporaryDirectory();

// ---------------------------------------------------------------------------
// Time

// Sleeps for the given milliseconds (on Windows with the system timer
// resolution set to 1 ms for the length of the sleep).
void SleepMilliseconds(int milliseconds);

// A monotonic clock in whole seconds; only differences are meaningful.
std::int64_t MonotonicSeconds();

// ---------------------------------------------------------------------------
// Sockets: IPv4 TCP clients

using Socket = std::intptr_t;
inline constexpr Socket kNoSocket = -1;

// Starts the sockets layer (WSAStartup 1.1 on Windows); true when available.
bool StartSockets();
// Releases the sockets layer (WSACleanup on Windows).
void EndSockets();

// A new IPv4 TCP socket, or kNoSocket.
Socket OpenTcpSocket();

// The IPv4 address (network byte order) of host: a dotted address as
// inet_addr reads it, else the first address of a name look-up. False when
// the look-up fails or gives 255.255.255.255.
bool ResolveIpv4Host(const std::string& host, std::uint32_t& address);

// Connects, blocking, with the system's own connect time-out.
bool ConnectSocket(Socket socket, std::uint32_t address, std::uint16_t port);

// Sends at most count bytes; the number sent, or -1 on failure.
long SendSomeBytes(Socket socket, const char* bytes, std::size_t count);

enum class SocketWait { kReadable, kTimedOut, kFailed };

// Waits at most milliseconds until bytes arrive or the peer closes.
SocketWait WaitUntilReadable(Socket socket, int milliseconds);

// How many bytes can be received without blocking; -1 on failure.
long BytesAvailable(Socket socket);

// Receives at most count bytes: the number received, 0 when the peer has
// closed, -1 on failure.
long ReceiveSomeBytes(Socket socket, char* bytes, std::size_t count);

// Closes a socket; kNoSocket is ignored.
void CloseSocket(Socket socket);

// ---------------------------------------------------------------------------
// Window toolkit
//
// Windows and controls are addressed by the design's fixed numbers. Control
// numbers are unique across windows; a control created under a number in use
// replaces the earlier control of that number.

void StartToolkit();  // start-up step 1
void EndToolkit();    // the very last step of shutdown

enum class WindowStyle {
  kNormal,  // title bar with system menu and close box, no min/max box
  kTool,    // narrow title bar, no system menu, no taskbar entry
};

// Opens a window with the given client size; shown and activated.
void OpenWindow(int window, const std::string& title, int clientWidth,
                int clientHeight, WindowStyle style);
// Centres the whole window on the primary display.
void CentreWindow(int window);
void SetWindowTopmost(int window, bool topmost);
void EnableWindow(int window, bool enabled);
// Sets the client height and the top edge of the whole window (screen pixels),
// keeping its horizontal position and client width.
void SetWindowHeightAndTop(int window, int clientHeight, int top);
// Closes the window; its controls go with it.
void CloseWindow(int window);

enum class ControlKind {
  kPicture,   // shows a picture; every click is an event
  kLabel,     // centred wrapping text, optional sunken border, no events
  kButton,    // push button
  kFrame,     // sunken edge, unpainted inside
  kGroupBox,  // etched frame with caption top left
  kTextBox,   // read-only, scrollable, centred, non-wrapping text
  kProgress,  // progress bar, range 0 to 100
};

void CreateControl(int window, int control, ControlKind kind, int x, int y,
                   int width, int height, const std::string& text,
                   bool sunkenBorder);
void SetControlText(int control, const std::string& text);
std::string ControlText(int control);

struct Rgb {
  std::uint8_t red, green, blue;
};

struct Font;  // opaque; each backend defines it

struct FontRequest {
  const char* name;  // the design's name of the font, e.g. "TitleFont"
  const char* face;
  int points;
  bool bold;
  bool underline;
};

// Creates a font; nullptr when the system cannot create it.
Font* CreateFontObject(const FontRequest& request);
void ReleaseFont(Font* font);

void SetControlFont(int control, Font* font);
void SetControlTextColour(int control, Rgb colour);
void SetControlFillColour(int control, Rgb colour);
void EnableControl(int control, bool enabled);
void SetProgressValue(int control, int value);

// Passed for a coordinate or size that is to stay as it is.
inline constexpr int kKeep = -2147483647 - 1;
void MoveControl(int control, int x, int y, int width, int height);

// A decoded picture: width × height pixels, 4 bytes each (R, G, B, A), rows
// top to bottom. Empty when decoding failed.
struct RgbaImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;
};
void SetControlPicture(int control, const RgbaImage& image);

enum class EventKind { kControl, kClose, kOther };
struct Event {
  EventKind kind;
  int number;  // the control's number, or the window's for kClose
};

// Blocks until the next event of any of the program's windows.
Event WaitForEvent();

// A modal message box with an OK button and no owner. A null title means no
// title at all: the system shows its default one.
void ShowMessageBox(const std::string* title, const std::string& text);

struct DisplaySize {
  int width;
  int height;
};
// The primary display in pixels, enumerated afresh; 0 × 0 when none.
DisplaySize PrimaryDisplaySize();

// Starts commandLine as a program with no arguments in the current directory,
// not waited for. False when it cannot be started.
bool StartProgram(const std::string& commandLine);
// Opens text with the system's default handler; workingDirectory may be null.
bool OpenWithDefaultHandler(const std::string& text,
                            const std::string* workingDirectory);

}  // namespace platform
