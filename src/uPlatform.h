// The only code that talks to the operating system. Everything else in the
// program is portable and goes through these functions. Text is UTF-8;
// error codes are Windows error codes on every platform (the POSIX side maps
// errno to the nearest one).
#pragma once

#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

namespace plat {

// Windows error codes the program reasons about.
enum : uint32_t {
  kErrFileNotFound = 2,
  kErrPathNotFound = 3,
  kErrAccessDenied = 5,
  kErrSharingViolation = 32,
  kErrFileExists = 80,
  kErrBadFormat = 11,        // a file that is not what its name says (no database)
  kErrDiskFull = 112,
  kErrNotRegularFile = 222,  // a pipe, device, socket or folder where a file was expected
  kErrFileTooLarge = 223,
  kErrStillActive = 259,
  kErrTimeout = 1460,
  kErrOtherOwner = 1307,     // a file owned by another account than the one required
};

#ifdef _WIN32
constexpr char kPathSep = '\\';
// Browsers keep their data in the home folder the Unix way (~/.config,
// ~/.mozilla, snap and flatpak folders) besides the Windows folders.
constexpr bool kUnixHomeLayout = false;
#else
constexpr char kPathSep = '/';
constexpr bool kUnixHomeLayout = true;
#endif

// True for "\" and "/" (both are accepted as separators on every platform).
inline bool IsPathSep(char c) { return c == '\\' || c == '/'; }

// ---- Files and folders -------------------------------------------------
bool FileExists(const std::string& path);  // an existing non-directory entry
bool DirExists(const std::string& path);
int64_t FileSize(const std::string& path);  // -1 when absent
// Creates the folder and every missing parent; true when it exists afterwards.
bool CreateDirs(const std::string& path);
bool RemoveFile(const std::string& path);  // false (silently) on failure
bool RemoveEmptyDir(const std::string& path);
bool RenameFile(const std::string& from, const std::string& to);
// Creates an empty file that must not exist yet (never through a link) and
// closes it; false with the Windows error code otherwise.
bool CreateNewFile(const std::string& path, uint32_t& code);

// Removes a file, or a folder with everything in it, never following a
// link: a root or an entry that is a symbolic link, junction or mount point
// is unlinked itself, never descended (so a folder swapped for a link to
// someone's data costs only the link). True when nothing is left at `path`.
bool RemoveTree(const std::string& path);
// A new folder for the run's copies of someone's history (its parent must
// exist; a name already taken, a link included, fails with its code): only
// the owner may enter it on POSIX (0700); an elevated run on Windows gives
// it an access list for SYSTEM and Administrators alone.
bool CreatePrivateDir(const std::string& path, uint32_t& code);
// A file of such content, opened for binary writing: an entry already under
// the name (a link included) is removed first and never written through;
// readable by the owner alone (POSIX) or by SYSTEM and Administrators alone
// (an elevated run on Windows). Null with the code on failure.
std::FILE* CreatePrivateFile(const std::string& path, uint32_t& code);

struct DirEntry {
  std::string Name;
  bool IsDir = false;   // a folder, or a link to one
  bool IsLink = false;  // a symbolic link or junction (never followed when deleting)
};
// Entries of a folder in the file system's order, without "." and "..".
// On failure LastErrorCode() says why (denied 5, not found 2 or 3).
bool ListDir(const std::string& dir, std::vector<DirEntry>& out);

// On Linux a Windows disk or copied user folder may spell "AppData" or
// "Local" in another letter case. Returns `path` itself when it exists as
// written, otherwise the first existing spelling found component by
// component without regard to case, otherwise `path` unchanged.
std::string ResolvePathCase(const std::string& path);

// fopen with a UTF-8 path ("rb", "wb", "ab"). Files are opened so that other
// processes may keep reading and writing them.
std::FILE* OpenFile(const std::string& path, const char* mode);
// Last OS error of the calling thread, as a Windows error code.
uint32_t LastErrorCode();

// A file read at any offset, by several threads at once, shared as
// OpenFile shares it. Closed with the object.
class TFileReader {
 public:
  TFileReader() = default;
  ~TFileReader();
  TFileReader(const TFileReader&) = delete;
  TFileReader& operator=(const TFileReader&) = delete;
  bool Open(const std::string& path);  // false with LastErrorCode()
  int64_t Size() const;                // -1 when unknown
  // Exactly `n` bytes from `offset`: false at the end of the file or on an
  // error.
  bool ReadAt(uint64_t offset, void* buf, size_t n) const;

 private:
  intptr_t FHandle = -1;  // a descriptor on POSIX, a HANDLE on Windows; -1: none
};

// Files someone else wrote (a browser's store, a profiles.ini, a worker's
// result) are opened without waiting and only as regular files: a pipe
// would block the open or the read for ever, a device (/dev/zero, CON)
// never ends, and a folder is no file. Such a file fails with
// kErrNotRegularFile before a byte is read. What is read is at most the
// size the file had when it was opened: one that grows meanwhile is taken
// as it stood.

// Checks for a copy of someone's store, both optional.
struct CopyChecks {
  // Called with the file's first bytes (kCopyHeadBytes, fewer only when the
  // file is shorter) and its size at open, before anything is written: 0
  // lets the copy go on, any other code refuses it with that code.
  std::function<uint32_t(const std::string& head, int64_t size)> Accept;
  // Asked between pieces of the copy: false stops it with kErrTimeout.
  std::function<bool()> InTime;
  // The account that must own the file, as an id of CurrentUserId's kind
  // (empty: any). Checked on the file as opened, after every link and
  // junction, before a byte is read: another owner fails the copy with
  // kErrOtherOwner and that owner's name in *OwnerFound (when given).
  std::string Owner;
  std::string* OwnerFound = nullptr;
};
constexpr size_t kCopyHeadBytes = 100;
// Byte copy of one regular file to the new file `dst`, up to the source's
// size at open, reading with full sharing or (`backup`) with backup
// semantics and no sharing. On failure `code` is the Windows error code
// and nothing is left at `dst`; on success 0.
bool CopyRegularFile(const std::string& src, const std::string& dst, bool backup,
                     const CopyChecks& checks, uint32_t& code);
// The same without checks: with full sharing, or with backup semantics
// (after enabling the backup privilege) and no sharing.
bool CopyFileShared(const std::string& src, const std::string& dst, uint32_t& code);
bool CopyFileBackup(const std::string& src, const std::string& dst, uint32_t& code);
// The whole of a regular file into `bytes`, as the copy opens it. A file
// longer than `maxBytes` at open fails with kErrFileTooLarge, nothing read.
bool ReadRegularFile(const std::string& path, int64_t maxBytes, std::string& bytes,
                     uint32_t& code);
// Bytes free to this user on the volume of `dir`; -1 when unknown.
int64_t FreeDiskBytes(const std::string& dir);
void EnableBackupPrivilege();

// One file to take from a volume shadow copy: `Src` is its live path,
// `Dst` a new file of ours. `IfPresent`: copied only when it exists in the
// shadow copy (a store's companion, which comes and goes with the store's
// writes); otherwise its absence fails the copy.
struct ShadowFile {
  std::string Src;
  std::string Dst;
  bool IfPresent = false;
};
// Copies files of one volume as they all stood at one instant: through one
// volume shadow copy made for this call (no writers involved, never
// persistent) and deleted again before it returns, whatever happens. Needs
// an elevated process. False with the system's reason (UTF-8) when no
// shadow copy could be made or a file could not be copied from it; the
// targets already written are then removed. Never reads the live files.
bool CopyFromShadow(const std::vector<ShadowFile>& files, std::string& reason);

std::string CurrentDir();
// Absolute form of `path` against the current folder; unchanged if absolute.
std::string AbsolutePath(const std::string& path);
// Where the run keeps its temporary files, ending with a separator: the run
// folder while one is open (OpenRunFolder), otherwise the user's temporary
// folder; empty when unknown.
std::string TempDir();
// The user's temporary folder (TMPDIR or /tmp; Windows: GetTempPath),
// ending with a separator, whether a run folder is open or not.
std::string UserTempDir();

// ---- The run's folder ------------------------------------------------------
// Every run holds, for its whole life, a lock file "vt_run_<pid>_<tick>.lock"
// beside its temporary files, by which a later run tells a live run's files
// from those of a run that ended without its clean-up. An elevated run (an
// administrator on Windows, root on POSIX) also keeps all its temporary
// files in one folder of its own, "vt_run_<pid>_<tick>" beside that lock, in
// a parent only the administrators can change (Windows: the system's Temp
// folder; POSIX: the temporary folder, when it is sticky or writable by its
// owner alone): made new, private (Windows: owner and access list SYSTEM
// and Administrators from its creation; POSIX: 0700, owned by root),
// checked to be no link and held open for the run, so that the audited user
// can neither read the copies of other users' history nor steer where they
// are written or removed. Called once, before anything is copied. False
// with the reason (Chinese text) when an elevated run cannot have such a
// folder: the run must then copy nothing.
bool OpenRunFolder(std::string& err);
// Removes the run folder with what it holds and gives up the lock. Safe to
// call when nothing is open, and more than once.
void CloseRunFolder();
// The open run folder without a final separator; empty when there is none.
std::string RunFolder();
// The folders where runs of this account leave their temporary files and
// lock files: the user's temporary folder and, for an elevated run on
// Windows, the system's Temp folder.
std::vector<std::string> RunParentFolders();
// True when the entry at `path` itself (never a link's target) belongs to
// the running account or, for an elevated run, to the administrators (the
// Administrators group or SYSTEM on Windows, root on POSIX): only such
// entries are ever removed as left over by an earlier run.
bool OwnedByRunAccount(const std::string& path);
// True when the lock file of a run at `path` is held by no one (its run has
// ended); false while its run holds it, and when it cannot be opened.
bool RunLockFree(const std::string& path);
// The form of an absolute path that file APIs accept at any length (Windows:
// "\\?\" before paths of 248 characters and more); unchanged elsewhere.
std::string LongPathForm(const std::string& path);

// ---- Process -----------------------------------------------------------
uint32_t ProcessId();
// True when a process with this id runs, or may run (one we may not look at).
bool ProcessRunning(uint32_t pid);
// Milliseconds since boot as the 32-bit tick counter (wraps, may be negative).
int32_t TickCount();
void SleepMs(uint32_t ms);
std::string OwnExePath();

// Runs `exe` with `args` (no shell), waits at most `timeoutMs`. A child still
// running then is terminated and reported with exit code 259 (still active).
// False when the process could not be started (`errCode` says why).
// `memoryLimit` (bytes; 0 = none) is the most a Windows child may commit
// (its job's process memory limit). A POSIX child limits itself
// (LimitOwnMemory): its address space, which the limit counts there, holds
// the program and its libraries too, and a limit set before they are
// loaded could stop the child before its first line.
bool SpawnAndWait(const std::string& exe, const std::vector<std::string>& args,
                  uint32_t timeoutMs, int32_t& exitCode, uint32_t& errCode,
                  uint64_t memoryLimit = 0);
// For a worker that reads what someone else wrote: from now on the process
// may take at most `bytes` more address space (POSIX: RLIMIT_AS); past it
// an allocation fails (malloc gives null with ENOMEM, new throws) instead
// of taking the machine's memory. False where nothing was set: on Windows,
// where the parent's job holds the limit (SpawnAndWait), and in builds with
// a sanitizer, which reserves terabytes of address space up front and keeps
// freed memory aside for a while.
bool LimitOwnMemory(uint64_t bytes);
// Windows command lines, split the way the program's runtime does: blanks
// (characters up to U+0020) separate, double quotes group and are removed,
// backslashes are literal. "" alone is an empty argument.
std::vector<std::string> SplitCommandLine(const std::string& line);
// Every argument in double quotes, separated by one blank, so that
// SplitCommandLine gives the same arguments back. False when an argument
// holds a double quote, which that rule cannot carry.
bool BuildCommandLine(const std::vector<std::string>& args, std::string& line);
#ifdef _WIN32
// The process's own arguments, program path first, split by that rule.
std::vector<std::string> CommandLineArgs();
#else
// A large history fills a few hundred megabytes of fresh memory, which the
// kernel maps several times faster in 2 MB pages than in 4 KB ones. The C
// library's heap asks for such pages only when told so as it starts
// (GNU/Linux: GLIBC_TUNABLES glibc.malloc.hugetlb=1), so the process starts
// itself again, once, with that setting added to its environment. Nothing
// happens where the setting is there already, where the kernel gives no
// such pages, or where the program cannot be started again. To be called
// first thing in main, with main's argv.
void PreferLargePages(char** argv);
// Whether the kernel gives transparent large pages at least to memory that
// asks for them.
bool LargePagesOnRequest();
#endif
// Limits what the process can be made to load: DLLs loaded at run time come
// from the system folder only (Windows; nothing elsewhere).
void HardenProcess();
// For a worker process: a crash ends it at once with its exception code,
// without error dialogs or a wait for error reporting (Windows).
void SuppressErrorDialogs();
// The full path of a program of the operating system (the system folder on
// Windows, never PATH); empty where there is none.
std::string SystemToolPath(const std::string& name);
// Hands a file to the desktop's default application (Windows: the shell's
// "open"; elsewhere xdg-open). False with the system's reason (UTF-8) when
// there is no desktop, no opener, or the opener refused.
bool ShellOpen(const std::string& path, std::string& err);

// Notices of the platform layer that belong in the run log (a worker left
// outside its job object). The run log registers itself; a null sink with
// the context that registered stops them (another context's stays).
using TWarningSink = void (*)(void* context, const std::string& text);
void SetWarningSink(TWarningSink sink, void* context);

// Process-wide settings, made first thing in every process of the program
// (the worker too). POSIX: a write beyond the file-size limit fails with an
// error instead of ending the process (SIGXFSZ), so that a report or result
// file that cannot be completed is reported and removed as on a full disk.
void PrepareProcess();

// ---- Interruption --------------------------------------------------------
// Removes, when the run is interrupted, every path registered here (snapshot
// copies, snapshot folders, worker result files: anything of the run that
// holds someone's history) and ends a running child process, then exits with
// the usual interrupted status (128 + signal on POSIX; on Windows the status
// of an interrupted console program, STATUS_CONTROL_C_EXIT 0xC000013A).
// POSIX: SIGINT, SIGTERM, SIGHUP. Windows: Ctrl+C, Ctrl+Break, console closed.
// SpawnAndWait registers the child it runs for the duration of the wait.
void InstallInterruptCleanup();
// A file, or a folder removed recursively (links are never followed).
// Register a path before creating it, and drop it once it is gone.
void TrackTempPath(const std::string& path);
void UntrackTempPath(const std::string& path);
// True once an interruption has begun. Long loops stop early on it, so that
// the clean-up (which runs on its own thread on Windows) can remove their
// files; on POSIX the process ends inside the signal handler instead.
bool InterruptRequested();
// Once an interruption has begun, waits for its clean-up, which ends the
// process (the handler may run on another thread); returns at once
// otherwise. For the ways out of the run, so that none ends the process
// while the clean-up is still removing copies.
void WaitForInterruptCleanup();

// ---- Environment and users ---------------------------------------------
std::string GetEnv(const std::string& name);  // empty when missing
// Expands %VAR% references (Windows) in a path read from the profile list.
std::string ExpandEnvStrings(const std::string& path);
// Candidate profile folders of the machine's users (Windows: the registry's
// ProfileList; POSIX: the sibling folders of `homeDir`). False when the list
// cannot be read at all.
// `owners`, when given, gets each folder's account id (Windows: the SID
// the registry lists it under; POSIX: empty, sibling folders of a copied
// or mounted disk belong to no account of this machine).
bool ListProfileFolders(const std::string& homeDir, std::vector<std::string>& out,
                        std::vector<std::string>* owners = nullptr);
bool IsElevated();
// The running account's id, as a file's owner is compared with it (POSIX:
// the effective user id in decimal; Windows: the user's SID); empty when
// unknown.
std::string CurrentUserId();
// The account id of user id `uid` (POSIX).
std::string UserIdOf(uint32_t uid);

// One entry of the system's user database (POSIX: /etc/passwd and NSS).
struct Account {
  std::string Name;
  std::string Home;
  std::string Shell;
  uint32_t Uid = 0;
};
// Every account of the user database, in its order. False where the
// platform has no such database (Windows lists profile folders instead).
bool ListAccounts(std::vector<Account>& out);
// Account name of the effective user from the user database; empty when
// unknown.
std::string CurrentAccountName();
// The machine's name as its network knows it (Windows: the computer name;
// POSIX: the host name up to its first dot); empty when unknown.
std::string ComputerName();

// ---- Console -----------------------------------------------------------
enum class StdOutKind { Console, File, Pipe, Other };
StdOutKind StdOutType();
// True when the console was made for this process alone (Windows: started
// by a double-click, the window closes when the process ends); false on
// POSIX and whenever a shell or another program shares it.
bool ConsoleIsOwnAlone();
// Waits for one key press on the console (returns at once without one).
void WaitForKeyPress();
// Columns of the terminal behind standard output, or -1 when there is none.
int ConsoleColumns();
// One console line (UTF-8 text) followed by the platform's line ending.
// False when it could not be written.
bool WriteConsoleLine(const std::string& text);
// The same to standard error (for error lines while the report itself goes
// to standard output).
bool WriteErrorLine(const std::string& text);
// Raw bytes to standard output, unchanged; false when they could not all be
// written (a full disk behind a redirection).
bool WriteStdOutRaw(const std::string& bytes);
// The platform's line ending for console and log lines.
const char* LineEnd();
// A line of UTF-8 text as the run-log file stores it: the ANSI code page on
// Windows ("?" for what it cannot show), unchanged elsewhere.
std::string LogFileText(const std::string& text);

// ---- Time and messages --------------------------------------------------
int64_t NowUnixUtc();          // true Unix seconds
int64_t NowUnixMillis();       // true Unix time in milliseconds
int64_t UtcOffsetNowSeconds(); // local offset from UTC in effect now
// Local offset from UTC in effect at the instant `unixUtc` under the
// system's time-zone rules (Windows: the current zone's dynamic rules).
int64_t UtcOffsetAtSeconds(int64_t unixUtc);
// System message text for a Windows error code (empty when none).
std::string SystemErrorMessage(uint32_t code);

// ---- Threads -------------------------------------------------------------
// The processors this process may run on (at least 1).
int ProcessorCount();
// Runs the tasks side by side, the first on the calling thread and every
// other on a thread of its own, and returns once all have ended. A task
// that gets no thread (the system refused one) runs on the calling thread
// after the others were started. The first exception a task threw (in task
// order) is raised here once all have ended.
void RunTogether(const std::vector<std::function<void()>>& tasks);

// A lock with one condition to wait on, for tasks of RunTogether that hand
// work to one another.
class TMonitor {
 public:
  TMonitor();
  ~TMonitor();
  TMonitor(const TMonitor&) = delete;
  TMonitor& operator=(const TMonitor&) = delete;

  void Lock();
  void Unlock();
  // With the lock held: lets it go until NotifyAll is called (or the system
  // wakes the thread for no reason: callers check what they wait for), and
  // holds it again on return.
  void Wait();
  void NotifyAll();

 private:
  struct TImpl;
  TImpl* FImpl;
};

// ---- Embedded resources -------------------------------------------------
// A resource compiled into the executable ("REPORTTPL"); false when missing.
bool LoadEmbeddedResource(const std::string& name, std::string& data);

}  // namespace plat
