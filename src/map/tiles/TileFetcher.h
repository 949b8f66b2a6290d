#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <string>

namespace map {

// What one request brought.
struct FetchedTile {
    enum class Status {
        Ok,      // bytes hold the answer
        Missing, // the server has no such tile (404, 410, 204)
        Failed,  // no answer that can be used: error says why
    };
    Status status = Status::Failed;
    std::string bytes;
    std::int64_t expires = 0; // Unix seconds: until then the tile is fresh
    std::string error;        // a few plain words for the status line
    // No server was reached (no route, refused, timed out): cached tiles stand in.
    bool unreachable = false;
};

struct FetchLimits {
    long connectSeconds = 10;
    long totalSeconds = 30;
    // A server that sends slower than this for lowSpeedSeconds is given up.
    long lowSpeedBytes = 100;
    long lowSpeedSeconds = 15;
    std::size_t maxBytes = std::size_t{4} << 20; // one tile; more is no tile of 256 pixels
    long maxRedirects = 5;
    // How long a tile stays fresh when the server says nothing of it.
    std::int64_t defaultLifetime = 7 * 24 * 3600;
};

// Fetches over HTTP(S) with libcurl, one request at a time, on the caller's thread (never the
// window's): HTTP/2 where the server offers it, the connection kept for the next request, a
// User-Agent naming the program, time-outs, a size cap and a redirect limit. Answers that are
// no picture (an HTML error page) are refused. The server's Cache-Control max-age, else its
// Expires, set how long a tile stays fresh.
class TileFetcher {
public:
    // userAgent: "QUILO/<version>".
    explicit TileFetcher(std::string userAgent, FetchLimits limits = {});
    ~TileFetcher();
    TileFetcher(const TileFetcher&) = delete;
    TileFetcher& operator=(const TileFetcher&) = delete;

    // A tile: the answer must start as a PNG, JPEG, WebP or GIF does.
    FetchedTile Get(const std::string& url);
    // A document (WMTS capabilities) of at most maxBytes, of any content.
    FetchedTile GetDocument(const std::string& url, std::size_t maxBytes);
    // From another thread: the request running ends soon, and so do all that follow.
    void Stop() { stopped_ = true; }

private:
    FetchedTile Fetch(const std::string& url, std::size_t maxBytes, bool image);

    std::string userAgent_;
    FetchLimits limits_;
    void* curl_ = nullptr;
    std::atomic<bool> stopped_{false};
};

// Whether bytes start as a picture a tile can be (PNG, JPEG, WebP, GIF).
bool LooksLikeTileImage(std::string_view bytes);

} // namespace map
