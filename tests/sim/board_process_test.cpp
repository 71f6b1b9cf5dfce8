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
#include <sys/wait.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using sim_test::Temp_dir;

// Generous limits: they only matter when something is broken.
constexpr auto start_limit = std::chrono::seconds(10);
constexpr auto reply_limit = std::chrono::seconds(5);
constexpr auto exit_limit = std::chrono::seconds(10);

int remaining_ms(Clock::time_point deadline)
{
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
    return left.count() < 0 ? 0 : static_cast<int>(left.count());
}

// Runs the board program with its standard output on a pipe.
class Board_process {
public:
    explicit Board_process(const std::vector<std::string>& options)
    {
        int out[2];
        if (::pipe(out) != 0)
            throw std::runtime_error("pipe failed");
        ::fcntl(out[0], F_SETFD, FD_CLOEXEC);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, out[1]);

        std::vector<std::string> args = {SIM_BINARY};
        args.insert(args.end(), options.begin(), options.end());
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
    }

    ~Board_process()
    {
        if (pid_ > 0 && !exited_) {
            ::kill(pid_, SIGKILL);
            ::waitpid(pid_, nullptr, 0);
        }
        if (stdout_fd_ >= 0)
            ::close(stdout_fd_);
    }

    pid_t pid() const { return pid_; }

    // The first line on standard output, without its line end; empty when the
    // program ended or printed nothing in time.
    std::string first_line()
    {
        std::string line;
        const auto deadline = Clock::now() + start_limit;
        for (;;) {
            pollfd fd{stdout_fd_, POLLIN, 0};
            if (::poll(&fd, 1, remaining_ms(deadline)) <= 0)
                return {};
            char c = 0;
            const ssize_t n = ::read(stdout_fd_, &c, 1);
            if (n <= 0)
                return {};
            if (c == '\n')
                return line;
            line += c;
        }
    }

    void signal(int number) { ::kill(pid_, number); }

    // Waits for the program to end; returns its exit status, or -1 when it
    // did not end in time or was killed by a signal.
    int wait_exit()
    {
        const auto deadline = Clock::now() + exit_limit;
        char buffer[256];
        for (;;) {  // standard output reaches end of file when the program ends
            pollfd fd{stdout_fd_, POLLIN, 0};
            if (::poll(&fd, 1, remaining_ms(deadline)) <= 0)
                return -1;
            if (::read(stdout_fd_, buffer, sizeof buffer) <= 0)
                break;
        }
        int status = 0;
        if (::waitpid(pid_, &status, 0) != pid_)
            return -1;
        exited_ = true;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t pid_ = -1;
    int stdout_fd_ = -1;
    bool exited_ = false;
};

// The terminal as the host program opens it: raw, 19200 baud.
class Terminal {
public:
    explicit Terminal(const std::string& path)
    {
        fd_ = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
        if (fd_ < 0)
            return;
        termios settings{};
        ::tcgetattr(fd_, &settings);
        ::cfmakeraw(&settings);
        ::cfsetispeed(&settings, B19200);
        ::cfsetospeed(&settings, B19200);
        ::tcsetattr(fd_, TCSANOW, &settings);
    }
    ~Terminal()
    {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Terminal(const Terminal&) = delete;
    Terminal& operator=(const Terminal&) = delete;

    bool is_open() const { return fd_ >= 0; }

    bool send(const std::string& bytes)
    {
        return ::write(fd_, bytes.data(), bytes.size()) == static_cast<ssize_t>(bytes.size());
    }

    // Reads until `count` bytes have come or the limit has passed.
    std::string receive(std::size_t count)
    {
        std::string bytes;
        const auto deadline = Clock::now() + reply_limit;
        while (bytes.size() < count) {
            pollfd fd{fd_, POLLIN, 0};
            if (::poll(&fd, 1, remaining_ms(deadline)) <= 0)
                break;
            char buffer[64];
            const ssize_t n = ::read(fd_, buffer, std::min(sizeof buffer, count - bytes.size()));
            if (n <= 0)
                break;
            bytes.append(buffer, static_cast<std::size_t>(n));
        }
        return bytes;
    }

    std::string exchange(const std::string& command, std::size_t reply_length)
    {
        return send(command) ? receive(reply_length) : std::string{};
    }

    // True when the device goes away (end of file, an error or a hang-up)
    // within the limit.
    bool sees_hangup()
    {
        const auto deadline = Clock::now() + reply_limit;
        for (;;) {
            pollfd fd{fd_, POLLIN, 0};
            const int ready = ::poll(&fd, 1, remaining_ms(deadline));
            if (ready <= 0)
                return false;
            if (fd.revents & (POLLHUP | POLLERR | POLLNVAL))
                return true;
            char buffer[64];
            const ssize_t n = ::read(fd_, buffer, sizeof buffer);
            if (n == 0 || (n < 0 && errno != EAGAIN && errno != EINTR))
                return true;
        }
    }

private:
    int fd_ = -1;
};

const std::string identification = "SX QORVIL V1.02";

TEST(BoardProcess, AnswersTheIdentificationOnItsTerminal)
{
    Temp_dir dir;
    Board_process board({"--log", dir.file("board.log")});
    const std::string path = board.first_line();
    ASSERT_EQ(path.rfind("/dev/", 0), 0u) << "first line: '" << path << "'";

    Terminal terminal(path);
    ASSERT_TRUE(terminal.is_open()) << std::strerror(errno);
    EXPECT_EQ(terminal.exchange("=", 15), identification);
    EXPECT_EQ(terminal.exchange("9", 2), "\xC8K");

    board.signal(SIGTERM);
    EXPECT_EQ(board.wait_exit(), 0);
    const std::string log = sim_test::read_file(dir.file("board.log"));
    EXPECT_EQ(log.rfind("#1 cmd '=' payload - reply 53 58 20 51 4F 52 56 49 4C", 0), 0u) << log;
    EXPECT_NE(log.find("\n#2 cmd '9' payload - reply C8 4B isp on addr FFF\n"), std::string::npos)
        << log;
}

TEST(BoardProcess, HostMayOpenAndCloseTheDeviceRepeatedly)
{
    Board_process board({});
    const std::string path = board.first_line();
    ASSERT_FALSE(path.empty());
    for (int round = 0; round < 3; ++round) {
        Terminal terminal(path);
        ASSERT_TRUE(terminal.is_open()) << "round " << round;
        EXPECT_EQ(terminal.exchange("=", 15), identification) << "round " << round;
    }
    board.signal(SIGINT);
    EXPECT_EQ(board.wait_exit(), 0);
}

TEST(BoardProcess, LinkNamesTheDeviceUntilExit)
{
    Temp_dir dir;
    const std::string link = dir.file("ttyQORVIL");
    ASSERT_EQ(::symlink("/dev/null", link.c_str()), 0) << "an old link to replace";

    Board_process board({"--link", link});
    const std::string path = board.first_line();
    ASSERT_FALSE(path.empty());
    char target[256] = {};
    ASSERT_GT(::readlink(link.c_str(), target, sizeof target - 1), 0);
    EXPECT_EQ(std::string(target), path);

    Terminal terminal(link);
    ASSERT_TRUE(terminal.is_open());
    EXPECT_EQ(terminal.exchange("=", 15), identification);

    board.signal(SIGHUP);
    EXPECT_EQ(board.wait_exit(), 0);
    EXPECT_FALSE(sim_test::file_exists(link));
}

TEST(BoardProcess, HangupAfterMakesTheDeviceGoAway)
{
    Board_process board({"--hangup-after", "2"});
    const std::string path = board.first_line();
    ASSERT_FALSE(path.empty());
    Terminal terminal(path);
    ASSERT_TRUE(terminal.is_open());
    EXPECT_EQ(terminal.exchange("=", 15), identification);
    EXPECT_EQ(terminal.exchange(";", 1), "K");
    EXPECT_TRUE(terminal.sees_hangup());
    EXPECT_EQ(board.wait_exit(), 0);
}

TEST(BoardProcess, SigtermWritesTheStateFile)
{
    Temp_dir dir;
    const std::string state = dir.file("chip.state");
    {
        Board_process board({"--state", state});
        const std::string path = board.first_line();
        ASSERT_FALSE(path.empty());
        Terminal terminal(path);
        ASSERT_TRUE(terminal.is_open());
        EXPECT_EQ(terminal.exchange("9", 2), "\xC8K");
        EXPECT_EQ(terminal.exchange("7", 1), "K");
        EXPECT_EQ(terminal.exchange(std::string("4\x01\x23"), 1), "K");
        EXPECT_EQ(terminal.exchange("5", 1), "K");
        board.signal(SIGTERM);
        EXPECT_EQ(board.wait_exit(), 0);
    }
    sim::Chip chip;
    std::string error;
    ASSERT_EQ(sim::load_state_file(state, chip, error), sim::State_load::loaded) << error;
    EXPECT_EQ(chip.words[0], 0x123);
    EXPECT_EQ(chip.words[1], sim::blank_word);

    // The next run starts with what the last one left.
    Board_process board({"--state", state});
    const std::string path = board.first_line();
    ASSERT_FALSE(path.empty());
    Terminal terminal(path);
    ASSERT_TRUE(terminal.is_open());
    EXPECT_EQ(terminal.exchange("9", 2), "\xC8K");
    EXPECT_EQ(terminal.exchange("7", 1), "K");
    EXPECT_EQ(terminal.exchange("6", 3), "\x01\x23\r");
    board.signal(SIGTERM);
    EXPECT_EQ(board.wait_exit(), 0);
}

TEST(BoardProcess, StateFileFollowsChangesWhileRunning)
{
    Temp_dir dir;
    const std::string state = dir.file("chip.state");
    Board_process board({"--state", state});
    const std::string path = board.first_line();
    ASSERT_FALSE(path.empty());
    Terminal terminal(path);
    ASSERT_TRUE(terminal.is_open());
    EXPECT_EQ(terminal.exchange(std::string("9") + "4\x0A\xBC" + "5", 4), "\xC8KKK");

    // Wait, with a generous limit, for the board to write the new FUSE.
    const auto deadline = Clock::now() + reply_limit;
    sim::Chip chip;
    std::string error;
    while (Clock::now() < deadline) {
        if (sim::load_state_file(state, chip, error) == sim::State_load::loaded && chip.fuse == 0xABC)
            break;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));  // then look again
    }
    EXPECT_EQ(chip.fuse, 0xABC);
    board.signal(SIGTERM);
    EXPECT_EQ(board.wait_exit(), 0);
}

TEST(BoardProcess, RealTimingTakesTheLineTime)
{
    Board_process board({"--timing", "real"});
    const std::string path = board.first_line();
    ASSERT_FALSE(path.empty());
    Terminal terminal(path);
    ASSERT_TRUE(terminal.is_open());
    const auto start = Clock::now();
    EXPECT_EQ(terminal.exchange("=", 15), identification);
    const std::chrono::duration<double> taken = Clock::now() - start;
    // "=" in and 15 bytes out, at 10 bits a byte and 19200 baud.
    EXPECT_GE(taken.count(), 16 * 10.0 / 19200.0 * 0.99);
    board.signal(SIGTERM);
    EXPECT_EQ(board.wait_exit(), 0);
}

TEST(BoardProcess, EndsWhenTheWatchedProcessEnds)
{
    int gate[2];
    ASSERT_EQ(::pipe(gate), 0);
    // Only the watched process may hold the gate open, not the board.
    ::fcntl(gate[0], F_SETFD, FD_CLOEXEC);
    ::fcntl(gate[1], F_SETFD, FD_CLOEXEC);
    const pid_t watched = ::fork();
    ASSERT_GE(watched, 0);
    if (watched == 0) {
        ::close(gate[1]);
        char byte = 0;
        [[maybe_unused]] const ssize_t n = ::read(gate[0], &byte, 1);  // until the test closes the gate
        ::_exit(0);
    }
    ::close(gate[0]);

    Board_process board({"--parent-pid", std::to_string(watched)});
    ASSERT_FALSE(board.first_line().empty());
    ::close(gate[1]);
    ASSERT_EQ(::waitpid(watched, nullptr, 0), watched);
    EXPECT_EQ(board.wait_exit(), 0);
}

TEST(BoardProcess, BadOptionsEndWithStatusTwo)
{
    Board_process board({"--pins", "19"});
    EXPECT_EQ(board.first_line(), "");
    EXPECT_EQ(board.wait_exit(), 2);
}

TEST(BoardProcess, BadHexFileIsRefused)
{
    Temp_dir dir;
    const std::string hex = dir.file("bad.hex");
    sim_test::write_file(hex, ":020000002301DB\n");
    Board_process board({"--load-hex", hex});
    EXPECT_EQ(board.first_line(), "");
    EXPECT_EQ(board.wait_exit(), 1);
}

}  // namespace
