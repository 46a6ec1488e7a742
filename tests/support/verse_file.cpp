#include "support/verse_file.h"

#include "store/verse_channels.h"
#include "store/win1256.h"

namespace sahifex::testing {
using store::VerseFileError;

VerseFile::VerseFile(const std::filesystem::path& path) : fileName_(path.filename().string()) {
    // A stream opens a folder, and reading it fails later: it is no verse file.
    std::error_code ignored;
    if (!std::filesystem::is_directory(path, ignored)) in_.open(path, std::ios::binary);
    if (!in_.is_open()) throw VerseFileError(fileName_, 0, "cannot be opened: " + path.string());
}

bool VerseFile::atEnd() { return in_.rdbuf()->sgetc() == std::char_traits<char>::eof(); }

std::u16string VerseFile::readLine() {
    std::string bytes;
    takeLine(&bytes);
    return store::decodeWin1256(bytes);
}

void VerseFile::takeLine(std::string* bytes) {
    const int line = linesRead_ + 1;
    std::streambuf& buf = *in_.rdbuf();
    using traits = std::char_traits<char>;
    if (buf.sgetc() == traits::eof()) throw VerseFileError(fileName_, line, "the file ends before this line");
    for (int c = buf.sbumpc(); c != traits::eof(); c = buf.sbumpc()) {
        if (c == '\n') break;
        if (c == '\r') {
            if (buf.sgetc() == '\n') buf.sbumpc();
            break;
        }
        if (bytes) *bytes += traits::to_char_type(c);
    }
    ++linesRead_;
}

VerseReading::VerseReading(const std::filesystem::path& dir)
    : plain_(dir / store::kPlainFileName), vocalized_(dir / store::kVocalizedFileName) {}

void VerseReading::readPair(std::u16string& plain, std::u16string& vocalized) {
    plain = plain_.readLine();
    vocalized = vocalized_.readLine();
}

} // namespace sahifex::testing
