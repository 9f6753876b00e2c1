#include "platform/http/http_reply_reader.h"

#include "platform/error.h"

#include <algorithm>

namespace platform {
namespace {
// A length as the server writes it, in decimal or (for a chunk) in hexadecimal digits only.
qsizetype lengthIn(const QByteArray& text, int base)
{
    const QByteArray digits = text.trimmed();
    bool ok = !digits.isEmpty() && !digits.startsWith('+') && !digits.startsWith('-');
    const qlonglong value = ok ? digits.toLongLong(&ok, base) : 0;
    if (!ok || value < 0 || value > HttpReplyReader::kMaxBody)
        throw Error("The reply gives a length the program does not read: " + digits.left(32).toStdString());
    return qsizetype(value);
}
} // namespace

void HttpReplyReader::feed(const QByteArray& bytes)
{
    if (state_ == State::Done)
        return;
    received_ += bytes.size();
    buffer_ += bytes;
    while (state_ != State::Done && step()) {
    }
}

void HttpReplyReader::finish()
{
    if (state_ == State::ToEnd)
        state_ = State::Done;
    if (state_ != State::Done) {
        throw Error(received_ == 0
                        ? "The server closed the connection without a reply"
                        : "The server closed the connection before the reply was complete");
    }
}

QByteArray HttpReplyReader::header(const QByteArray& name) const
{
    for (auto it = headers_.crbegin(); it != headers_.crend(); ++it)
        if (it->first.compare(name, Qt::CaseInsensitive) == 0)
            return it->second;
    return {};
}

bool HttpReplyReader::step()
{
    QByteArray line;
    switch (state_) {
    case State::StatusLine:
        if (!takeHeadLine(line))
            return false;
        readStatusLine(line);
        return true;
    case State::Headers:
        if (!takeHeadLine(line))
            return false;
        if (line.isEmpty())
            startBody();
        else
            readHeader(line);
        return true;
    case State::Length:
    case State::ChunkData: {
        const qsizetype count = std::min(remaining_, buffer_.size());
        takeBody(count);
        remaining_ -= count;
        if (remaining_ > 0)
            return false;
        state_ = state_ == State::Length ? State::Done : State::ChunkEnd;
        return true;
    }
    case State::ChunkEnd:
        if (!takeLine(line))
            return false;
        if (!line.isEmpty())
            throw Error("A chunk of the reply runs past its length");
        state_ = State::ChunkSize;
        return true;
    case State::ChunkSize: {
        if (!takeLine(line))
            return false;
        const qsizetype extension = line.indexOf(';');
        remaining_ = lengthIn(extension < 0 ? line : line.left(extension), 16);
        state_ = remaining_ == 0 ? State::Trailers : State::ChunkData;
        return true;
    }
    case State::Trailers:
        if (!takeHeadLine(line))
            return false;
        if (line.isEmpty())
            state_ = State::Done;
        return true;
    case State::ToEnd:
        takeBody(buffer_.size());
        return false;
    case State::Done:
        return false;
    }
    return false;
}

// A line, its CR LF (or a bare LF) taken off.
bool HttpReplyReader::takeLine(QByteArray& line)
{
    const qsizetype end = buffer_.indexOf('\n');
    if (end < 0) {
        if (buffer_.size() > kMaxHead)
            throw Error("A line of the reply is longer than the program reads");
        return false;
    }
    line = buffer_.left(end);
    buffer_.remove(0, end + 1);
    if (line.endsWith('\r'))
        line.chop(1);
    return true;
}

// A line of the status, the headers or the trailers, which together have a size limit.
bool HttpReplyReader::takeHeadLine(QByteArray& line)
{
    if (!takeLine(line))
        return false;
    headSize_ += line.size() + 2;
    if (headSize_ > kMaxHead)
        throw Error("The reply's head is longer than the program reads");
    return true;
}

void HttpReplyReader::readStatusLine(const QByteArray& line)
{
    const QList<QByteArray> parts = line.split(' ');
    bool ok = parts.size() >= 2 && parts[0].startsWith("HTTP/1.") && parts[1].size() == 3;
    const int status = ok ? parts[1].toInt(&ok) : 0;
    if (!ok || status < 100)
        throw Error("The server's answer is no HTTP reply");
    status_ = status;
    headers_.clear();
    state_ = State::Headers;
}

void HttpReplyReader::readHeader(const QByteArray& line)
{
    const qsizetype colon = line.indexOf(':');
    if (colon <= 0)
        throw Error("The reply holds a header line that is no header");
    headers_.append({line.left(colon).trimmed(), line.mid(colon + 1).trimmed()});
}

// How the body is framed, once the head is read.
void HttpReplyReader::startBody()
{
    if (status_ < 200) {   // an interim reply: the real one follows
        state_ = State::StatusLine;
        return;
    }
    if (toHead_ || status_ == 204 || status_ == 304) {
        state_ = State::Done;
        return;
    }
    if (header("Transfer-Encoding").toLower().trimmed().endsWith("chunked")) {
        state_ = State::ChunkSize;
        return;
    }
    bool hasLength = false;
    for (const auto& [name, value] : headers_) {
        if (name.compare("Content-Length", Qt::CaseInsensitive) != 0)
            continue;
        const qsizetype length = lengthIn(value, 10);
        if (hasLength && length != remaining_)
            throw Error("The reply gives two lengths");
        remaining_ = length;
        hasLength = true;
    }
    state_ = !hasLength ? State::ToEnd : remaining_ == 0 ? State::Done : State::Length;
}

void HttpReplyReader::takeBody(qsizetype count)
{
    if (body_.size() + count > kMaxBody)
        throw Error("The reply is larger than the program reads");
    body_ += buffer_.left(count);
    buffer_.remove(0, count);
}

} // namespace platform
