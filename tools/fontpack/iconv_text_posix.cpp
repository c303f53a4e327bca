#include "tools/fontpack/iconv_text.h"

#include <cerrno>
#include <iconv.h>

namespace fontpack {
namespace {

// One iconv conversion descriptor, closed however the call ends.
class Converter {
  public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from)) {}
    ~Converter() {
        if (valid())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool valid() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    bool convert(const std::string& in, std::string& out) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        out.clear();
        char* source = const_cast<char*>(in.data());
        std::size_t left = in.size();
        char buffer[256];
        while (left > 0) {
            char* target = buffer;
            std::size_t room = sizeof buffer;
            const std::size_t done = iconv(cd_, &source, &left, &target, &room);
            out.append(buffer, static_cast<std::size_t>(target - buffer));
            if (done == static_cast<std::size_t>(-1) && errno != E2BIG)
                return false;
        }
        // Flush what a stateful encoding still holds.
        char* target = buffer;
        std::size_t room = sizeof buffer;
        if (iconv(cd_, nullptr, nullptr, &target, &room) == static_cast<std::size_t>(-1))
            return false;
        out.append(buffer, static_cast<std::size_t>(target - buffer));
        return true;
    }

  private:
    iconv_t cd_;
};

std::size_t sequenceLength(const std::string& text, std::size_t at, Units units) {
    const auto byte = static_cast<unsigned char>(text[at]);
    const bool hasNext = at + 1 < text.size();
    if (units == Units::Utf16)
        return hasNext ? 2 : 1;
    if (units == Units::CodePage936 && byte >= 0x81 && byte <= 0xFE && hasNext)
        return 2;
    return 1;
}

} // namespace

bool convertStrict(const char* to, const char* from, const std::string& in, std::string& out) {
    Converter converter(to, from);
    return converter.valid() && converter.convert(in, out);
}

std::string convertLenient(const char* to, const char* from, const std::string& in, Units units) {
    Converter converter(to, from);
    std::string whole;
    if (!converter.valid())
        return std::string();
    if (converter.convert(in, whole))
        return whole;
    std::string out, piece;
    for (std::size_t i = 0; i < in.size();) {
        const std::size_t length = sequenceLength(in, i, units);
        if (converter.convert(in.substr(i, length), piece))
            out += piece;
        else
            out += "\xEF\xBF\xBD";
        i += length;
    }
    return out;
}

} // namespace fontpack
