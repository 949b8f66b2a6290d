#pragma once

// The test tile server (tile_server.py) on 127.0.0.1, on a port of its own choosing, stopped
// (the process and its threads) when the object goes.

#include "support/GdalMaps.h"
#include "support/RunTool.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace tiletest {

class TileServer {
public:
    // script: another server of the same contract (its first line the port), given a second
    // folder when one is named.
    explicit TileServer(const std::string& folder, const std::string& script = QUILO_TILE_SERVER,
                        const std::string& second = {}) {
        int pipeFds[2];
        if (::pipe(pipeFds) != 0)
            return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::dup2(pipeFds[1], 1);
            ::close(pipeFds[0]);
            ::execl(QUILO_PYTHON3, "python3", "-u", script.c_str(), folder.c_str(),
                    second.empty() ? nullptr : second.c_str(), static_cast<char*>(nullptr));
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

// A raster of four coloured quarters near 7.1 E 46.9 N made by GDAL's tools, cut by gdal2tiles
// into XYZ tiles of zooms 9-12 in folder/tiles. Quarter colours, north-west first:
// (250, 30, 90), (30, 250, 90), (30, 30, 90), (240, 240, 90).
inline bool MakeTestTiles(const std::string& folder) {
    const char* quarters[4][7] = {{"a", "7.0", "47.0", "7.1", "46.9", "250", "30"},
                                  {"b", "7.1", "47.0", "7.2", "46.9", "30", "250"},
                                  {"c", "7.0", "46.9", "7.1", "46.8", "30", "30"},
                                  {"d", "7.1", "46.9", "7.2", "46.8", "240", "240"}};
    std::vector<std::string> parts = {"-q", folder + "/all.vrt"};
    for (const auto& q : quarters) {
        const std::string file = folder + "/" + q[0] + ".tif";
        if (!testsupport::RunGdal("gdal_create",
                                  {"-q",     "-of", "GTiff",  "-outsize",  "64",      "64",
                                   "-bands", "3",   "-burn",  q[5],        "-burn",   q[6],
                                   "-burn",  "90",  "-a_srs", "EPSG:4326", "-a_ullr", q[1],
                                   q[2],     q[3],  q[4],     file}))
            return false;
        parts.push_back(file);
    }
    if (!testsupport::RunGdal("gdalbuildvrt", parts))
        return false;
    const auto cut = testsupport::Run("/usr/bin/gdal2tiles.py",
                                      {"-q", "--xyz", "-z", "9-12", "-w", "none", "--processes=1",
                                       folder + "/all.vrt", folder + "/tiles"});
    EXPECT_EQ(cut.status, 0) << cut.err;
    return cut.status == 0;
}

} // namespace tiletest
