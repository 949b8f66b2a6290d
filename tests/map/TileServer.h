#pragma once

// The test tile server (tile_server.py) on 127.0.0.1, on a port of its own choosing, stopped
// (the process and its threads) when the object goes.

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace tiletest {

class TileServer {
public:
    explicit TileServer(const std::string& folder) {
        int pipeFds[2];
        if (::pipe(pipeFds) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(pipeFds[1], 1);
            ::close(pipeFds[0]);
            ::execl(QUILO_PYTHON3, "python3", "-u", QUILO_TILE_SERVER, folder.c_str(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(pipeFds[1]);
        // The first line is the port; reading it waits until the server listens.
        std::string line;
        char c = 0;
        while (::read(pipeFds[0], &c, 1) == 1 && c != '\n')
            line += c;
        ::close(pipeFds[0]);
        port_ = std::atoi(line.c_str());
        EXPECT_GT(port_, 0) << "the tile server did not start";
    }
    ~TileServer() { Stop(); }
    TileServer(const TileServer&) = delete;
    TileServer& operator=(const TileServer&) = delete;

    void Stop() {
        if (pid_ <= 0)
            return;
        ::kill(pid_, SIGKILL);
        int status = 0;
        ::waitpid(pid_, &status, 0);
        pid_ = -1;
    }
    [[nodiscard]] std::string Url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }

private:
    pid_t pid_ = -1;
    int port_ = 0;
};

} // namespace tiletest
