// sibling_program.cpp: running a tool installed beside the program, and waiting for it.
//
// The tool gets its input through a pipe and writes its answer into another; both are served
// together, so that neither side waits for the other with a full pipe.
#include "engine/platform/platform.h"

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{
constexpr size_t OUTPUT_LIMIT = 64 * 1024;

void CloseBoth(int pipe[2])
{
    if (pipe[0] >= 0) close(pipe[0]);
    if (pipe[1] >= 0) close(pipe[1]);
}
} // namespace

bool PlatformRunSiblingProgram(const char* name, const std::vector<std::string>& arguments,
                               const std::string& input, int* exitCode, std::string* output)
{
    output->clear();
    const std::string folder = PlatformProgramFolder();
    if (folder.empty())
    {
        *output = "the program's own folder is not known";
        return false;
    }
    const std::string path = folder + "/" + name;
    int in[2] = {-1, -1}, out[2] = {-1, -1};
    if (pipe2(in, O_CLOEXEC) != 0 || pipe2(out, O_CLOEXEC) != 0)
    {
        *output = std::string("no pipe: ") + std::strerror(errno);
        CloseBoth(in);
        CloseBoth(out);
        return false;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, in[0], STDIN_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDERR_FILENO);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(path.c_str()));
    for (const std::string& argument : arguments)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, path.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    close(in[0]);
    close(out[1]);
    if (spawned != 0)
    {
        close(in[1]);
        close(out[0]);
        *output = "cannot start " + path + ": " + std::strerror(spawned);
        return false;
    }

    // A tool that stops reading early must not end this program with SIGPIPE.
    struct sigaction ignore = {}, previous = {};
    ignore.sa_handler = SIG_IGN;
    sigaction(SIGPIPE, &ignore, &previous);
    fcntl(in[1], F_SETFL, O_NONBLOCK);
    size_t written = 0;
    int feed = in[1];
    if (input.empty())
    {
        close(feed);
        feed = -1;
    }
    bool reading = true;
    while (reading)
    {
        pollfd fds[2] = {{out[0], POLLIN, 0}, {feed, POLLOUT, 0}};
        if (poll(fds, feed >= 0 ? 2 : 1, -1) < 0)
        {
            if (errno == EINTR) continue;
            break;
        }
        if (feed >= 0 && (fds[1].revents & (POLLOUT | POLLERR | POLLHUP)))
        {
            const ssize_t n = write(feed, input.data() + written, input.size() - written);
            if (n > 0) written += static_cast<size_t>(n);
            if ((n < 0 && errno != EAGAIN && errno != EINTR) || written == input.size())
            {
                close(feed);
                feed = -1;
            }
        }
        if (fds[0].revents & (POLLIN | POLLERR | POLLHUP))
        {
            char buffer[4096];
            const ssize_t n = read(out[0], buffer, sizeof buffer);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0)
                reading = false;
            else if (output->size() < OUTPUT_LIMIT)
                output->append(buffer,
                               std::min(static_cast<size_t>(n), OUTPUT_LIMIT - output->size()));
        }
    }
    if (feed >= 0) close(feed);
    close(out[0]);
    sigaction(SIGPIPE, &previous, nullptr);

    int status = 0;
    while (waitpid(child, &status, 0) < 0)
        if (errno != EINTR)
        {
            *output = std::string("lost ") + name + ": " + std::strerror(errno);
            return false;
        }
    if (WIFEXITED(status))
    {
        *exitCode = WEXITSTATUS(status);
        return true;
    }
    *output = std::string(name) + " was killed by signal " +
              std::to_string(WIFSIGNALED(status) ? WTERMSIG(status) : 0);
    return false;
}
