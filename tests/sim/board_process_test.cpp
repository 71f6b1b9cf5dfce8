// The qorvil-board-sim program on a real pseudo-terminal.

#include "sim/state_file.h"
#include "sim_test_support.h"

#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using sim_test::Temp_dir;

const std::string identification = "SX QORVIL V1.02";

// A generous limit: it only matters when something is broken.
Clock::time_point deadline() { return Clock::now() + std::chrono::seconds(10); }

// True when `fd` has something to read (or has hung up) before `until`.
bool readable(int fd, Clock::time_point until)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - Clock::now()).count();
    pollfd p{fd, POLLIN, 0};
    return ::poll(&p, 1, left < 0 ? 0 : static_cast<int>(left)) > 0;
}

// Runs the board program with its standard output on a pipe and takes the first line.
class Board_process {
public:
    explicit Board_process(std::vector<std::string> args)
    {
        int out[2];
        if (::pipe2(out, O_CLOEXEC) != 0)
            throw std::runtime_error("pipe failed");
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        args.insert(args.begin(), SIM_BINARY);
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        const int result = ::posix_spawn(&pid_, SIM_BINARY, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(out[1]);
        stdout_fd_ = out[0];
        if (result != 0)
            throw std::runtime_error(std::string("posix_spawn failed: ") + std::strerror(result));
        const auto until = deadline();
        char c = 0;
        while (readable(stdout_fd_, until) && ::read(stdout_fd_, &c, 1) == 1 && c != '\n')
            device += c;
        if (c != '\n')
            device.clear();
    }

    ~Board_process()
    {
        if (!exited_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        ::close(stdout_fd_);
    }

    void signal(int number) { ::kill(pid_, number); }

    // Waits for the program to end; its exit status, or -1 when it did not end in time or
    // was killed by a signal.
    int wait_exit()
    {
        const auto until = deadline();
        char buffer[256];
        while (readable(stdout_fd_, until))  // standard output ends when the program ends
            if (::read(stdout_fd_, buffer, sizeof buffer) <= 0) {
                int status = 0;
                exited_ = ::waitpid(pid_, &status, 0) == pid_;
                return exited_ && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
        return -1;
    }

    std::string device;  // the first line: the terminal's path

private:
    pid_t pid_ = -1;
    int stdout_fd_ = -1;
    bool exited_ = false;
};

// The terminal as the host program opens it. The board sets it raw at 19200 baud.
class Terminal {
public:
    explicit Terminal(const std::string& path) : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK)) {}
    ~Terminal() { ::close(fd_); }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    bool is_open() const { return fd_ >= 0; }

    // Sends `command` and reads until `reply_length` bytes have come or the limit passed.
    std::string exchange(const std::string& command, std::size_t reply_length)
    {
        std::string reply;
        const auto until = deadline();
        char c = 0;
        if (::write(fd_, command.data(), command.size()) == static_cast<ssize_t>(command.size()))
            while (reply.size() < reply_length && readable(fd_, until) && ::read(fd_, &c, 1) == 1)
                reply += c;
        return reply;
    }

    // True when the device goes away (end of file or an error) within the limit.
    bool sees_hangup()
    {
        const auto until = deadline();
        char buffer[64];
        while (readable(fd_, until)) {
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n == 0 || (n < 0 && errno != EAGAIN))
                return true;
        }
        return false;
    }

private:
    int fd_;
};

TEST(BoardProcess, PrintsItsTerminalServesItInRealTimeAndLogsUntilAStopSignal)
{
    Temp_dir dir;
    Board_process board({"--log", dir.file("board.log"), "--timing", "real"});
    ASSERT_EQ(board.device.rfind("/dev/", 0), 0u) << "first line: '" << board.device << "'";
    for (int round = 0; round < 2; ++round) {  // the host may close the device and open it again
        Terminal terminal(board.device);
        ASSERT_TRUE(terminal.is_open()) << std::strerror(errno);
        const auto start = Clock::now();
        EXPECT_EQ(terminal.exchange("=", 15), identification) << "round " << round;
        const std::chrono::duration<double> taken = Clock::now() - start;
        // "=" in and 15 bytes out, at 10 bits a byte and 19200 baud.
        EXPECT_GE(taken.count(), 16 * 10.0 / 19200.0 * 0.99);
    }
    Terminal terminal(board.device);
    EXPECT_EQ(terminal.exchange("9", 2), "\xC8K");

    board.signal(SIGHUP);
    EXPECT_EQ(board.wait_exit(), 0);
    const std::string log = sim_test::read_file(dir.file("board.log"));
    EXPECT_EQ(log.rfind("#1 cmd '=' payload - reply 53 58 20 51 4F 52 56 49 4C", 0), 0u) << log;
    EXPECT_NE(log.find("\n#3 cmd '9' payload - reply C8 4B isp on addr FFF\n"), std::string::npos) << log;
}

TEST(BoardProcess, LinkNamesTheDeviceUntilItHangsUp)
{
    Temp_dir dir;
    const std::string link = dir.file("ttyQORVIL");
    ASSERT_EQ(::symlink("/dev/null", link.c_str()), 0) << "an old link to replace";

    Board_process board({"--link", link, "--hangup-after", "2"});
    ASSERT_FALSE(board.device.empty());
    EXPECT_EQ(std::filesystem::read_symlink(link), board.device);
    Terminal terminal(link);
    ASSERT_TRUE(terminal.is_open());
    EXPECT_EQ(terminal.exchange("=", 15), identification);
    EXPECT_EQ(terminal.exchange(";", 1), "K");
    EXPECT_TRUE(terminal.sees_hangup());
    EXPECT_EQ(board.wait_exit(), 0);
    EXPECT_FALSE(std::filesystem::exists(std::filesystem::symlink_status(link)));
}

TEST(BoardProcess, StateFileIsWrittenOnSigtermAndWhileRunning)
{
    Temp_dir dir;
    const std::string state = dir.file("chip.state");
    {
        Board_process board({"--state", state});
        Terminal terminal(board.device);
        ASSERT_TRUE(terminal.is_open());
        EXPECT_EQ(terminal.exchange("97" "4\x01\x23" "5", 5), "\xC8K" "KKK");
        board.signal(SIGTERM);
        EXPECT_EQ(board.wait_exit(), 0);
    }
    sim::Chip chip;
    std::string error;
    ASSERT_EQ(sim::load_state_file(state, chip, error), sim::State_load::loaded) << error;
    EXPECT_EQ(chip.words[0], 0x123);
    EXPECT_EQ(chip.words[1], sim::blank_word);

    // The next run starts with what the last one left, and writes changes while it runs:
    // the new file is renamed into the folder.
    const int watch = ::inotify_init1(IN_CLOEXEC);
    ASSERT_GE(::inotify_add_watch(watch, dir.path.c_str(), IN_MOVED_TO), 0);
    Board_process board({"--state", state});
    Terminal terminal(board.device);
    ASSERT_TRUE(terminal.is_open());
    EXPECT_EQ(terminal.exchange("976", 6), "\xC8K" "K" "\x01\x23\r");
    EXPECT_EQ(terminal.exchange("9" "4\x0A\xBC" "5", 4), "\xC8K" "KK");
    EXPECT_TRUE(readable(watch, deadline())) << "no state file written while running";
    ::close(watch);
    ASSERT_EQ(sim::load_state_file(state, chip, error), sim::State_load::loaded) << error;
    EXPECT_EQ(chip.fuse, 0xABC);
    EXPECT_EQ(chip.words[0], 0x123);
    board.signal(SIGINT);
    EXPECT_EQ(board.wait_exit(), 0);
}

TEST(BoardProcess, EndsWhenTheWatchedProcessEnds)
{
    const pid_t watched = ::fork();
    ASSERT_GE(watched, 0);
    if (watched == 0) {
        ::pause();  // until the test kills it
        ::_exit(0);
    }
    Board_process board({"--parent-pid", std::to_string(watched)});
    EXPECT_FALSE(board.device.empty());
    ::kill(watched, SIGKILL);
    ASSERT_EQ(::waitpid(watched, nullptr, 0), watched);
    EXPECT_EQ(board.wait_exit(), 0);
}

TEST(BoardProcess, BadOptionsAndBadHexFilesAreRefused)
{
    Temp_dir dir;
    sim_test::write_file(dir.file("bad.hex"), ":020000002301DB\n");
    const std::pair<std::vector<std::string>, int> cases[] = {
        {{"--pins", "19"}, 2}, {{"--load-hex", dir.file("bad.hex")}, 1}};
    for (const auto& [args, status] : cases) {
        Board_process board(args);
        EXPECT_EQ(board.device, "") << args[0];
        EXPECT_EQ(board.wait_exit(), status) << args[0];
    }
}

}  // namespace
