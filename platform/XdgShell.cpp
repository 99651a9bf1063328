#include "platform/XdgShell.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <string_view>
#include <vector>

extern char** environ;

namespace platform {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kSucceeded = 42;
constexpr size_t kLongestAnswer = 4096;

int CodeOfErrno(int error) {
    switch (error) {
        case ENOENT:
            return kShellFileNotFound;
        case ENOTDIR:
            return kShellPathNotFound;
        case EACCES:
        case ENOEXEC:
            return kShellBadProgram;
        case EAGAIN:
        case ENOMEM:
            return kShellOutOfResources;
        default:
            return kShellFailure;
    }
}

bool IsDirectory(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool IsRegularFile(const std::string& path) {
    struct stat info;
    return ::stat(path.c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool IsExecutableFile(const std::string& path) {
    return IsRegularFile(path) && ::access(path.c_str(), X_OK) == 0;
}

std::string EnvOr(const char* name, const char* fallback) {
    const char* value = std::getenv(name);
    return value && *value ? value : fallback;
}

// The absolute entries of a colon-separated list of folders.
std::vector<std::string> AbsoluteFolders(const std::string& list) {
    std::vector<std::string> folders;
    size_t begin = 0;
    while (begin <= list.size()) {
        const size_t end = std::min(list.find(':', begin), list.size());
        if (end > begin && list[begin] == '/')
            folders.push_back(list.substr(begin, end - begin));
        begin = end + 1;
    }
    return folders;
}

// A bare program name is searched in PATH; the first executable match, else the first match, else "".
std::string ResolveProgram(const std::string& name) {
    if (name.find('/') != std::string::npos)
        return name;
    std::string firstMatch;
    for (const std::string& folder : AbsoluteFolders(EnvOr("PATH", "/usr/local/bin:/usr/bin:/bin"))) {
        const std::string candidate = folder + "/" + name;
        if (IsExecutableFile(candidate))
            return candidate;
        if (firstMatch.empty() && IsRegularFile(candidate))
            firstMatch = candidate;
    }
    return firstMatch;
}

int CheckFileExists(const std::string& file) {
    struct stat info;
    if (::stat(file.c_str(), &info) == 0)
        return kSucceeded;
    if (errno != ENOENT)
        return CodeOfErrno(errno);
    const size_t slash = file.rfind('/');
    const std::string folder = slash == std::string::npos ? "." : file.substr(0, std::max<size_t>(slash, 1));
    return IsDirectory(folder) ? kShellFileNotFound : kShellPathNotFound;
}

bool EndsWithIgnoringCase(const std::string& text, std::string_view suffix) {
    return text.size() >= suffix.size() &&
           std::equal(
               suffix.begin(), suffix.end(), text.end() - static_cast<std::ptrdiff_t>(suffix.size()),
               [](char lower, char c) { return lower == std::tolower(static_cast<unsigned char>(c)); });
}

bool HasHtmlExtension(const std::string& file) {
    return EndsWithIgnoringCase(file, ".html") || EndsWithIgnoringCase(file, ".htm");
}

struct CommandOutput {
    int spawnError = 0;  // errno when the command could not be started
    bool timedOut = false;
    bool exitedWithZero = false;
    std::string text;  // standard output, at most kLongestAnswer bytes
};

int MillisecondsUntil(Clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, left.count()));
}

// Waits for the command until the deadline, then kills its process group. False when it had to be killed
// or cannot be waited for.
bool Reap(pid_t pid, Clock::time_point deadline, int& status) {
    for (;;) {
        const pid_t reaped = ::waitpid(pid, &status, WNOHANG);
        if (reaped == pid)
            return true;
        if (reaped < 0 && errno != EINTR)
            return false;
        if (MillisecondsUntil(deadline) == 0)
            break;
        ::poll(nullptr, 0, 10);
    }
    ::kill(-pid, SIGKILL);
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
    return false;
}

// Runs the command without a shell, in a process group of its own, standard input and error on /dev/null.
CommandOutput RunCommand(const std::vector<std::string>& words, std::chrono::milliseconds timeout) {
    CommandOutput output;
    int channel[2];
    if (::pipe2(channel, O_CLOEXEC) != 0) {
        output.spawnError = errno;
        return output;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, channel[1], 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    sigset_t none;
    sigemptyset(&none);
    posix_spawnattr_setsigmask(&attributes, &none);
    posix_spawnattr_setpgroup(&attributes, 0);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP | POSIX_SPAWN_SETSIGMASK);
    std::vector<char*> argv;
    for (const std::string& word : words) argv.push_back(const_cast<char*>(word.c_str()));
    argv.push_back(nullptr);
    pid_t pid = 0;
    output.spawnError = ::posix_spawnp(&pid, argv[0], &actions, &attributes, argv.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    ::close(channel[1]);
    if (output.spawnError != 0) {
        ::close(channel[0]);
        return output;
    }

    const Clock::time_point deadline = Clock::now() + timeout;
    bool endOfOutput = false;
    while (!endOfOutput) {
        pollfd reader{channel[0], POLLIN, 0};
        const int ready = ::poll(&reader, 1, MillisecondsUntil(deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            break;
        char buffer[512];
        const ssize_t got = ::read(channel[0], buffer, sizeof buffer);
        if (got < 0 && errno == EINTR)
            continue;
        if (got <= 0) {
            endOfOutput = true;
        } else {
            output.text.append(buffer,
                               std::min(static_cast<size_t>(got), kLongestAnswer - output.text.size()));
        }
    }
    ::close(channel[0]);
    int status = 0;
    output.timedOut = !Reap(pid, endOfOutput ? deadline : Clock::now(), status);
    output.exitedWithZero = !output.timedOut && WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return output;
}

// The first desktop entry id of xdg-mime's answer; "" when it names none.
std::string FirstEntryId(const std::string& answer) {
    const size_t end = answer.find_first_of(";\r\n");
    std::string id = answer.substr(0, end);
    id.erase(0, id.find_first_not_of(" \t"));
    id.erase(id.find_last_not_of(" \t") + 1);
    const bool valid =
        EndsWithIgnoringCase(id, ".desktop") && id[0] != '.' && id.find('/') == std::string::npos;
    return valid ? id : "";
}

// An entry id "a-b.desktop" may also name the file "b.desktop" in the subfolder "a".
std::string FindEntryIn(const std::string& folder, const std::string& id) {
    const std::string direct = folder + "/" + id;
    if (IsRegularFile(direct))
        return direct;
    for (size_t dash = id.find('-'); dash != std::string::npos; dash = id.find('-', dash + 1)) {
        const std::string subfolder = folder + "/" + id.substr(0, dash);
        if (!IsDirectory(subfolder))
            continue;
        std::string found = FindEntryIn(subfolder, id.substr(dash + 1));
        if (!found.empty())
            return found;
    }
    return "";
}

std::string FindDesktopEntry(const std::string& id) {
    if (id.empty())
        return "";
    std::vector<std::string> dataFolders;
    const std::string home = EnvOr("XDG_DATA_HOME", "");
    if (!home.empty()) {
        dataFolders = AbsoluteFolders(home);
    } else if (!EnvOr("HOME", "").empty()) {
        dataFolders.push_back(EnvOr("HOME", "") + "/.local/share");
    }
    for (std::string& folder : AbsoluteFolders(EnvOr("XDG_DATA_DIRS", "/usr/local/share:/usr/share")))
        dataFolders.push_back(std::move(folder));
    for (const std::string& folder : dataFolders) {
        std::string found = FindEntryIn(folder + "/applications", id);
        if (!found.empty())
            return found;
    }
    return "";
}

// The value of the Exec key in the [Desktop Entry] group, "" when there is none.
std::string ExecValue(const std::string& entryFile) {
    std::ifstream in(entryFile);
    std::string line;
    bool inMainGroup = false;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty() && line[0] == '[') {
            inMainGroup = line == "[Desktop Entry]";
            continue;
        }
        if (!inMainGroup || line.compare(0, 4, "Exec") != 0)
            continue;
        const size_t equals = line.find_first_not_of(' ', 4);
        if (equals == std::string::npos || line[equals] != '=')
            continue;
        const size_t value = line.find_first_not_of(' ', equals + 1);
        return value == std::string::npos ? "" : line.substr(value);
    }
    return "";
}

// The words of an Exec value: the string escapes \s \n \t \r \\ first, then words split at blanks, with
// double quotes grouping a word and \" \` \$ \\ escaping inside them.
std::vector<std::string> ExecWords(const std::string& value) {
    std::string text;
    for (size_t i = 0; i < value.size(); ++i) {
        const std::string_view escapes = "s\\ntr";
        const size_t escape =
            i + 1 < value.size() && value[i] == '\\' ? escapes.find(value[i + 1]) : std::string_view::npos;
        if (escape == std::string_view::npos) {
            text += value[i];
        } else {
            text += " \\\n\t\r"[escape];
            ++i;
        }
    }
    std::vector<std::string> words;
    std::string word;
    bool inWord = false;
    bool quoted = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '\\' && i + 1 < text.size() &&
                std::string_view("\"`$\\").find(text[i + 1]) != std::string_view::npos) {
                word += text[++i];
            } else if (c == '"') {
                quoted = false;
            } else {
                word += c;
            }
        } else if (c == ' ' || c == '\t' || c == '\n') {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            quoted = c == '"';
            if (!quoted)
                word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

// True when the Exec line passes nothing but the file or URL to its program.
bool PassesOnlyTheTarget(const std::vector<std::string>& words) {
    return std::all_of(words.begin() + 1, words.end(), [](const std::string& word) {
        return word == "%f" || word == "%F" || word == "%u" || word == "%U";
    });
}

// The program of the first usable entry of BROWSER, a colon-separated list of commands, as xdg-open
// reads it when the desktop names no program: an entry that is one word is that program; an entry with
// arguments or "%s" for the target is left to xdg-open, which runs it so; "xdg-open" itself is skipped.
// "" when no entry names a program that can be run.
std::string ProgramFromBrowserVariable() {
    const std::string list = EnvOr("BROWSER", "");
    for (size_t begin = 0; begin <= list.size();) {
        const size_t end = std::min(list.find(':', begin), list.size());
        const std::vector<std::string> words = ExecWords(list.substr(begin, end - begin));
        begin = end + 1;
        if (words.empty() || words.front() == "xdg-open" || !IsExecutableFile(ResolveProgram(words.front())))
            continue;
        const bool plain = words.size() == 1 && words.front().find("%s") == std::string::npos;
        const std::string resolved = ResolveProgram(plain ? words.front() : "xdg-open");
        if (IsExecutableFile(resolved))
            return resolved;
    }
    return std::string();
}

}  // namespace

int XdgShell::FindExecutable(const std::string& file, std::string& program) {
    program.clear();
    const int fileCode = CheckFileExists(file);
    if (!ShellSucceeded(fileCode))
        return fileCode;
    if (!HasHtmlExtension(file))
        return kShellNoAssociation;

    const CommandOutput answer = RunCommand({"xdg-mime", "query", "default", "text/html"}, m_lookupTimeout);
    if (answer.spawnError != 0 && answer.spawnError != ENOENT)
        return CodeOfErrno(answer.spawnError);
    if (answer.timedOut)
        return kShellFailure;
    const std::string entry = answer.exitedWithZero ? FindDesktopEntry(FirstEntryId(answer.text)) : "";
    const std::vector<std::string> exec =
        entry.empty() ? std::vector<std::string>() : ExecWords(ExecValue(entry));
    if (exec.empty()) {
        program = ProgramFromBrowserVariable();
        return program.empty() ? kShellNoAssociation : kSucceeded;
    }

    const std::string resolved = ResolveProgram(PassesOnlyTheTarget(exec) ? exec.front() : "xdg-open");
    if (!IsExecutableFile(resolved))
        return kShellBadProgram;
    program = resolved;
    return kSucceeded;
}

int XdgShell::ShellExecute(const std::string& program, const std::string& argument) {
    const std::string path = ResolveProgram(program);
    if (path.empty())
        return kShellFileNotFound;
    const char* argv[] = {path.c_str(), argument.c_str(), nullptr};
    // The child reports a failed fork or exec through the channel; a successful exec closes it empty.
    int channel[2];
    if (::pipe2(channel, O_CLOEXEC) != 0)
        return CodeOfErrno(errno);
    const int null = ::open("/dev/null", O_RDWR | O_CLOEXEC);
    const pid_t child = null < 0 ? -1 : ::fork();
    if (child == 0) {
        // Only async-signal-safe calls from here: the program may have other threads.
        ::setsid();
        const pid_t grandchild = ::fork();
        if (grandchild == 0) {
            sigset_t none;
            sigemptyset(&none);
            ::sigprocmask(SIG_SETMASK, &none, nullptr);
            ::dup2(null, 0);
            ::dup2(null, 1);
            ::dup2(null, 2);
            ::execv(argv[0], const_cast<char* const*>(argv));
        }
        const int error = errno;
        if (grandchild <= 0)
            (void)!::write(channel[1], &error, sizeof error);
        ::_exit(grandchild > 0 ? 0 : 127);
    }
    const int forkError = errno;
    ::close(channel[1]);
    if (null >= 0)
        ::close(null);
    int code = kSucceeded;
    if (child < 0) {
        code = CodeOfErrno(forkError);
    } else {
        int status = 0;
        while (::waitpid(child, &status, 0) < 0 && errno == EINTR) {
        }
        int error = 0;
        ssize_t got;
        while ((got = ::read(channel[0], &error, sizeof error)) < 0 && errno == EINTR) {
        }
        if (got > 0)
            code = CodeOfErrno(error);
    }
    ::close(channel[0]);
    return code;
}

}  // namespace platform
