#pragma once
// One HTTP/1.x reply, read as its bytes arrive: the status line, the headers and the body, however
// the server frames it (by its length, in chunks, or up to the end of the connection). Interim
// replies (1xx) are passed over. Bytes after a complete reply are not read. The head and the
// body each have a size limit, far above any version file, so that no server fills the memory.
#include <QByteArray>
#include <QList>
#include <QPair>

namespace platform {

class HttpReplyReader {
public:
    // The reply to a HEAD request has no body, whatever its headers say.
    explicit HttpReplyReader(bool toHeadRequest = false) : toHead_(toHeadRequest) {}

    // Takes the next bytes from the connection. Fails for what is no HTTP reply, or one larger
    // than the program reads.
    void feed(const QByteArray& bytes);
    // The connection has ended: a body that runs up to the end is complete now. Fails when the
    // reply is not complete.
    void finish();

    bool complete() const { return state_ == State::Done; }
    int status() const { return status_; }
    QByteArray header(const QByteArray& name) const;   // the last of that name, or empty
    const QByteArray& body() const { return body_; }

    static constexpr qsizetype kMaxHead = 64 * 1024;
    static constexpr qsizetype kMaxBody = 4 * 1024 * 1024;

private:
    enum class State { StatusLine, Headers, Length, ChunkSize, ChunkData, ChunkEnd, Trailers, ToEnd, Done };

    bool step();   // one step on the buffered bytes; false when it needs more of them
    bool takeLine(QByteArray& line);
    bool takeHeadLine(QByteArray& line);
    void readStatusLine(const QByteArray& line);
    void readHeader(const QByteArray& line);
    void startBody();
    void takeBody(qsizetype count);

    bool toHead_;
    State state_ = State::StatusLine;
    QByteArray buffer_;
    qsizetype received_ = 0;
    qsizetype headSize_ = 0;   // of the status lines, headers and trailers read
    int status_ = 0;
    QList<QPair<QByteArray, QByteArray>> headers_;
    qsizetype remaining_ = 0;   // of the body's length, or of the chunk
    QByteArray body_;
};

} // namespace platform
