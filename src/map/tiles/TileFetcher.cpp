#include "map/tiles/TileFetcher.h"

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <ctime>
#include <mutex>
#include <optional>
#include <string_view>

namespace map {

namespace {

struct Transfer {
    std::string body;
    std::size_t maxBytes = 0;
    bool tooLarge = false;
    std::string contentType;
    std::string cacheControl;
    std::string expiresHeader;
    const std::atomic<bool>* stopped = nullptr;
};

std::size_t OnBody(char* data, std::size_t size, std::size_t count, void* user) {
    auto& t = *static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    if (t.body.size() + bytes > t.maxBytes) {
        t.tooLarge = true;
        return 0; // ends the transfer
    }
    t.body.append(data, bytes);
    return bytes;
}

std::string Lower(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::size_t OnHeader(char* data, std::size_t size, std::size_t count, void* user) {
    auto& t = *static_cast<Transfer*>(user);
    const std::size_t bytes = size * count;
    const std::string_view line(data, bytes);
    // A redirect's headers come first: each new status line starts the answer afresh.
    if (line.starts_with("HTTP/")) {
        t.contentType.clear();
        t.cacheControl.clear();
        t.expiresHeader.clear();
    }
    const auto colon = line.find(':');
    if (colon == std::string_view::npos || line.size() > 8192)
        return bytes;
    const std::string name = Lower(line.substr(0, colon));
    std::string_view value = line.substr(colon + 1);
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t'))
        value.remove_prefix(1);
    while (!value.empty() && (value.back() == '\r' || value.back() == '\n' || value.back() == ' '))
        value.remove_suffix(1);
    if (name == "content-type")
        t.contentType = Lower(value);
    else if (name == "cache-control")
        t.cacheControl = Lower(value);
    else if (name == "expires")
        t.expiresHeader = value;
    return bytes;
}

int OnProgress(void* user, curl_off_t, curl_off_t, curl_off_t, curl_off_t) {
    return static_cast<Transfer*>(user)->stopped->load() ? 1 : 0;
}

// Seconds of Cache-Control's max-age, if it names one (no-cache and no-store count as 0).
std::optional<long long> MaxAge(std::string_view control) {
    if (control.find("no-cache") != std::string_view::npos ||
        control.find("no-store") != std::string_view::npos)
        return 0;
    const auto at = control.find("max-age=");
    if (at == std::string_view::npos)
        return std::nullopt;
    long long seconds = 0;
    bool any = false;
    for (std::size_t i = at + 8;
         i < control.size() && std::isdigit(static_cast<unsigned char>(control[i])); ++i) {
        seconds = std::min(seconds * 10 + (control[i] - '0'), 10LL * 365 * 24 * 3600);
        any = true;
    }
    return any ? std::optional(seconds) : std::nullopt;
}

void GlobalInit() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

} // namespace

bool LooksLikeTileImage(std::string_view bytes) {
    return bytes.starts_with("\x89PNG\r\n\x1a\n") || bytes.starts_with("\xFF\xD8\xFF") ||
           (bytes.size() >= 12 && bytes.starts_with("RIFF") && bytes.substr(8, 4) == "WEBP") ||
           bytes.starts_with("GIF87a") || bytes.starts_with("GIF89a");
}

TileFetcher::TileFetcher(std::string userAgent, FetchLimits limits)
    : userAgent_(std::move(userAgent)), limits_(limits) {
    GlobalInit();
    curl_ = curl_easy_init();
}

TileFetcher::~TileFetcher() {
    curl_easy_cleanup(static_cast<CURL*>(curl_));
}

FetchedTile TileFetcher::Get(const std::string& url) {
    return Fetch(url, limits_.maxBytes, true);
}

FetchedTile TileFetcher::GetDocument(const std::string& url, std::size_t maxBytes) {
    return Fetch(url, maxBytes, false);
}

FetchedTile TileFetcher::Fetch(const std::string& url, std::size_t maxBytes, bool image) {
    FetchedTile out;
    auto* curl = static_cast<CURL*>(curl_);
    if (curl == nullptr) {
        out.error = "the network library could not start";
        return out;
    }
    if (stopped_) {
        out.error = "stopped";
        return out;
    }
    Transfer t;
    t.maxBytes = maxBytes;
    t.stopped = &stopped_;
    // The handle keeps its connections between requests; only the options are set afresh.
    curl_easy_reset(curl);
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, limits_.maxRedirects);
    curl_easy_setopt(curl, CURLOPT_HTTP_VERSION, static_cast<long>(CURL_HTTP_VERSION_2TLS));
    curl_easy_setopt(curl, CURLOPT_USERAGENT, userAgent_.c_str());
    curl_easy_setopt(curl, CURLOPT_ACCEPT_ENCODING, "");
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, limits_.connectSeconds);
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, limits_.totalSeconds);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, limits_.lowSpeedBytes);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, limits_.lowSpeedSeconds);
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(maxBytes));
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &OnBody);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &t);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &OnHeader);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &t);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &OnProgress);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &t);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    const CURLcode code = curl_easy_perform(curl);
    long status = 0;
    curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
    if (t.tooLarge || code == CURLE_FILESIZE_EXCEEDED) {
        out.error =
            "the server sent more than " + std::to_string(maxBytes >> 20) + " MB for one request";
        return out;
    }
    if (code == CURLE_TOO_MANY_REDIRECTS) {
        out.error = "the server redirects without end";
        return out;
    }
    if (code != CURLE_OK) {
        out.error = stopped_ ? "stopped" : curl_easy_strerror(code);
        out.unreachable = code == CURLE_COULDNT_CONNECT || code == CURLE_COULDNT_RESOLVE_HOST ||
                          code == CURLE_OPERATION_TIMEDOUT || code == CURLE_COULDNT_RESOLVE_PROXY ||
                          code == CURLE_RECV_ERROR || code == CURLE_SEND_ERROR ||
                          code == CURLE_GOT_NOTHING;
        return out;
    }
    if (status == 404 || status == 410 || status == 204) {
        out.status = FetchedTile::Status::Missing;
        out.error = "the server has no tile here";
        return out;
    }
    if (status != 200) {
        out.error = "the server answered HTTP " + std::to_string(status);
        return out;
    }
    if (image && !LooksLikeTileImage(t.body)) {
        out.error = t.contentType.find("html") != std::string::npos || t.body.starts_with("<")
                        ? "the server sent a web page, not a tile"
                        : "the server sent something that is no picture";
        return out;
    }
    const std::int64_t now = std::time(nullptr);
    if (const auto age = MaxAge(t.cacheControl))
        out.expires = now + *age;
    else if (const time_t expires =
                 t.expiresHeader.empty() ? -1 : curl_getdate(t.expiresHeader.c_str(), nullptr);
             expires >= 0)
        out.expires = expires;
    else
        out.expires = now + limits_.defaultLifetime;
    out.status = FetchedTile::Status::Ok;
    out.bytes = std::move(t.body);
    return out;
}

} // namespace map
