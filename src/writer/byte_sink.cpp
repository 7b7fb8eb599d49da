#include "writer/byte_sink.h"

#include <ostream>

namespace mapedit {

bool StringSink::write(std::string_view bytes) {
    out_.append(bytes);
    return true;
}

bool FileSink::write(std::string_view bytes) {
    if (file_ == nullptr) return false;
    if (bytes.empty()) return true;
    return std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
}

bool StreamSink::write(std::string_view bytes) {
    stream_.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(stream_);
}

}  // namespace mapedit
