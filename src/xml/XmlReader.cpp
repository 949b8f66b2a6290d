#include "xml/XmlReader.h"

#include <cerrno>
#include <cstring>
#include <expat.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace xml {

namespace {

constexpr char kNamespaceSeparator = '|';

Name SplitName(const XML_Char* full) {
    const std::string_view name(full);
    const auto bar = name.rfind(kNamespaceSeparator);
    if (bar == std::string_view::npos)
        return {{}, name};
    return {name.substr(0, bar), name.substr(bar + 1)};
}

} // namespace

std::optional<std::string_view> Attributes::Find(std::string_view name) const {
    for (const char** pair = pairs_; pair[0] != nullptr; pair += 2) {
        if (name == pair[0])
            return std::string_view(pair[1]);
    }
    return std::nullopt;
}

struct Reader::State {
    XML_Parser parser = nullptr;
    Handler& handler;
    Limits limits;
    struct Open {
        std::string text;          // the element's character data so far
        std::size_t nodeStart = 0; // where the text node being read started in text
        bool hasChildren = false;
        bool streams = false; // its text goes to Handler::Text instead
    };
    std::vector<Open> open; // the open elements, outermost first
    std::string error;
    std::size_t fed = 0;
    XML_Index lastEvent = 0; // where the newest complete token started
    bool finished = false;

    State(Handler& h, const Limits& l) : handler(h), limits(l) {}

    // Stops the parser with message, located where the parser is now.
    void Fail(const std::string& message) {
        if (!error.empty())
            return;
        error = "line " + std::to_string(XML_GetCurrentLineNumber(parser)) + ", column " +
                std::to_string(XML_GetCurrentColumnNumber(parser) + 1) + ": " + message;
        XML_StopParser(parser, XML_FALSE);
    }
    // Marks a complete token; one longer than the bound is refused even when it came whole.
    void Seen() {
        lastEvent = XML_GetCurrentByteIndex(parser);
        if (static_cast<std::size_t>(XML_GetCurrentByteCount(parser)) > limits.maxTokenBytes)
            Fail(TokenTooLong());
    }
    [[nodiscard]] std::string TokenTooLong() const {
        return "a tag, comment or instruction longer than " + std::to_string(limits.maxTokenBytes) +
               " bytes";
    }

    static State& Of(void* data) { return *static_cast<State*>(data); }

    static void OnStart(void* data, const XML_Char* name, const XML_Char** attributes) {
        State& s = Of(data);
        s.Seen();
        if (!s.error.empty())
            return;
        if (static_cast<int>(s.open.size()) >= s.limits.maxDepth) {
            s.Fail("elements nested deeper than " + std::to_string(s.limits.maxDepth));
            return;
        }
        if (!s.open.empty()) {
            DropBlankNode(s.open.back());
            s.open.back().hasChildren = true;
        }
        s.open.emplace_back();
        const Name split = SplitName(name);
        if (std::string message = s.handler.Start(split, Attributes(attributes));
            !message.empty()) {
            s.Fail(message);
            return;
        }
        s.open.back().streams = s.handler.StreamsText(split);
    }
    static void OnEnd(void* data, const XML_Char* name) {
        State& s = Of(data);
        s.Seen();
        // expat may still close an empty element after the parser was stopped.
        if (!s.error.empty() || s.open.empty())
            return;
        Open closed = std::move(s.open.back());
        s.open.pop_back();
        if (closed.hasChildren)
            DropBlankNode(closed);
        if (!s.open.empty())
            s.open.back().nodeStart = s.open.back().text.size();
        if (std::string message = s.handler.End(SplitName(name), closed.text); !message.empty())
            s.Fail(message);
    }
    static void OnText(void* data, const XML_Char* text, int length) {
        State& s = Of(data);
        s.Seen();
        if (!s.error.empty() || s.open.empty())
            return;
        Open& own = s.open.back();
        const std::string_view piece(text, static_cast<std::size_t>(length));
        if (own.streams) {
            if (std::string message = s.handler.Text(piece); !message.empty())
                s.Fail(message);
            return;
        }
        if (own.text.size() - own.nodeStart + piece.size() > s.limits.maxTextBytes) {
            s.Fail("text longer than " + std::to_string(s.limits.maxTextBytes) + " bytes");
            return;
        }
        own.text += piece;
    }
    // Blanks beside child elements only lay the document out; they are not kept, so that the
    // blanks of a million-point segment cost no memory.
    static void DropBlankNode(Open& element) {
        if (element.text.find_first_not_of(" \t\r\n", element.nodeStart) == std::string::npos)
            element.text.resize(element.nodeStart);
        element.nodeStart = element.text.size();
    }
    static void OnOther(void* data, const XML_Char*) { Of(data).Seen(); }
    static void OnInstruction(void* data, const XML_Char*, const XML_Char*) { Of(data).Seen(); }
    static void OnDoctype(void* data, const XML_Char*, const XML_Char*, const XML_Char*, int) {
        Of(data).Fail("document type declarations are not accepted");
    }
    static void OnEntity(void* data, const XML_Char*, int, const XML_Char*, int, const XML_Char*,
                         const XML_Char*, const XML_Char*, const XML_Char*) {
        Of(data).Fail("entity declarations are not accepted");
    }

    // After a call into expat: our own error, expat's, or a token that outgrew its bound.
    void Check(XML_Status status) {
        if (status == XML_STATUS_ERROR && error.empty()) {
            error = "line " + std::to_string(XML_GetCurrentLineNumber(parser)) + ", column " +
                    std::to_string(XML_GetCurrentColumnNumber(parser) + 1) + ": " +
                    XML_ErrorString(XML_GetErrorCode(parser));
        }
        if (error.empty() && fed - static_cast<std::size_t>(lastEvent) > limits.maxTokenBytes) {
            error =
                "line " + std::to_string(XML_GetCurrentLineNumber(parser)) + ": " + TokenTooLong();
        }
    }
};

Reader::Reader(Handler& handler, const Limits& limits)
    : state_(std::make_unique<State>(handler, limits)) {
    State& s = *state_;
    s.parser = XML_ParserCreateNS(nullptr, kNamespaceSeparator);
    if (s.parser == nullptr) {
        s.error = "out of memory";
        return;
    }
    XML_SetUserData(s.parser, &s);
    XML_SetElementHandler(s.parser, &State::OnStart, &State::OnEnd);
    XML_SetCharacterDataHandler(s.parser, &State::OnText);
    XML_SetCommentHandler(s.parser, &State::OnOther);
    XML_SetProcessingInstructionHandler(s.parser, &State::OnInstruction);
    XML_SetStartDoctypeDeclHandler(s.parser, &State::OnDoctype);
    XML_SetEntityDeclHandler(s.parser, &State::OnEntity);
    XML_SetParamEntityParsing(s.parser, XML_PARAM_ENTITY_PARSING_NEVER);
}

Reader::~Reader() {
    if (state_->parser != nullptr)
        XML_ParserFree(state_->parser);
}

bool Reader::Feed(std::string_view bytes) {
    State& s = *state_;
    if (!s.error.empty() || s.finished)
        return s.error.empty();
    if (bytes.size() > s.limits.maxBytes - s.fed) {
        s.error = "larger than " + std::to_string(s.limits.maxBytes) + " bytes";
        return false;
    }
    // Big inputs go in slices so that an endless token is caught soon after its bound.
    constexpr std::size_t kSlice = 65536;
    while (!bytes.empty() && s.error.empty()) {
        const std::string_view slice = bytes.substr(0, kSlice);
        s.fed += slice.size();
        s.Check(XML_Parse(s.parser, slice.data(), static_cast<int>(slice.size()), XML_FALSE));
        bytes.remove_prefix(slice.size());
    }
    return s.error.empty();
}

Result Reader::Finish() {
    State& s = *state_;
    if (s.error.empty() && !s.finished)
        s.Check(XML_Parse(s.parser, "", 0, XML_TRUE));
    s.finished = true;
    if (!s.error.empty())
        return {false, s.error};
    return {};
}

Result ReadXml(std::string_view document, Handler& handler, const Limits& limits) {
    Reader reader(handler, limits);
    reader.Feed(document);
    return reader.Finish();
}

Result ReadXmlFile(const std::string& path, Handler& handler, const Limits& limits) {
    const auto failure = [](int err) { return Result{false, std::strerror(err), err}; };
    // Non-blocking open, so that a FIFO at path cannot hang the program.
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0)
        return failure(errno);
    struct stat st {};
    int err = ::fstat(fd, &st) != 0 ? errno : 0;
    if (err == 0 && !S_ISREG(st.st_mode))
        err = S_ISDIR(st.st_mode) ? EISDIR : EINVAL;
    if (err != 0) {
        ::close(fd);
        return failure(err);
    }
    Reader reader(handler, limits);
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            const int err = errno;
            ::close(fd);
            return failure(err);
        }
        // The rest of a refused document is not read: a damaged 20 GB file fails at once.
        if (n == 0 || !reader.Feed({buffer, static_cast<std::size_t>(n)}))
            break;
    }
    ::close(fd);
    return reader.Finish();
}

platform::LoadResult ToLoadResult(const Result& result, const std::string& path,
                                  std::string_view kind) {
    if (result.systemError != 0) {
        const bool missing = result.systemError == ENOENT || result.systemError == ENOTDIR;
        return {missing ? platform::LoadStatus::Missing : platform::LoadStatus::Unreadable,
                path + ": " + result.error};
    }
    if (!result) {
        return platform::LoadResult::Damaged(path + ": damaged " + std::string(kind) + " file (" +
                                             result.error + ")");
    }
    return {};
}

} // namespace xml
