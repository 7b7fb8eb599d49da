#pragma once

#include <cstdio>
#include <iosfwd>
#include <string>
#include <string_view>

namespace mapedit {

// Where the writer puts its text. The writer hands over one complete line
// per call; a sink answers false when the bytes could not be stored, and the
// writer then reports the whole write as failed.
class ByteSink {
  public:
    virtual ~ByteSink() = default;
    virtual bool write(std::string_view bytes) = 0;
};

// Appends to a string owned by the caller.
class StringSink : public ByteSink {
  public:
    explicit StringSink(std::string& out) : out_(out) {}
    bool write(std::string_view bytes) override;

  private:
    std::string& out_;
};

// Writes to an open C stream; the caller opens, flushes and closes it (and
// must check fclose, since buffered bytes may only fail there).
class FileSink : public ByteSink {
  public:
    explicit FileSink(std::FILE* file) : file_(file) {}
    bool write(std::string_view bytes) override;

  private:
    std::FILE* file_;
};

// Writes to an open output stream (binary mode, so that line ends stay LF).
class StreamSink : public ByteSink {
  public:
    explicit StreamSink(std::ostream& stream) : stream_(stream) {}
    bool write(std::string_view bytes) override;

  private:
    std::ostream& stream_;
};

}  // namespace mapedit
