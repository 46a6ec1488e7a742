#include "store/verse_channels.h"

#include <istream>

#include "store/win1256.h"

namespace sahifex::store {
namespace {

std::string describe(const std::string& fileName, int line, const std::string& reason) {
    if (line == 0) return fileName + ": " + reason;
    return fileName + ", line " + std::to_string(line) + ": " + reason;
}

} // namespace

VerseFileError::VerseFileError(std::string fileName, int line, const std::string& reason)
    : forms::RuntimeFailure(describe(fileName, line, reason)), fileName_(std::move(fileName)),
      line_(line) {}

VerseFile::VerseFile(const std::filesystem::path& path)
    : fileName_(path.filename().string()) {
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec))
        throw VerseFileError(fileName_, 0, "is a folder, not a verse file: " + path.string());
    in_.open(path, std::ios::binary);
    if (!in_.is_open())
        throw VerseFileError(fileName_, 0, "cannot be opened: " + path.string());
}

bool VerseFile::atEnd() {
    return in_.rdbuf()->sgetc() == std::char_traits<char>::eof();
}

std::u16string VerseFile::readLine() {
    std::string bytes;
    takeLine(&bytes);
    return decodeWin1256(bytes);
}

void VerseFile::skipLine() { takeLine(nullptr); }

void VerseFile::takeLine(std::string* bytes) {
    const int line = linesRead_ + 1;
    std::streambuf& buf = *in_.rdbuf();
    using traits = std::char_traits<char>;
    if (buf.sgetc() == traits::eof())
        throw VerseFileError(fileName_, line, "the file ends before this line");

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

VerseReading::VerseReading(VerseChannels& owner, const std::filesystem::path& dir)
    : owner_(&owner), plain_(std::make_unique<VerseFile>(dir / kPlainFileName)),
      vocalized_(std::make_unique<VerseFile>(dir / kVocalizedFileName)) {
    owner.busy_ = true;
}

VerseReading::VerseReading(VerseReading&& other) noexcept
    : owner_(other.owner_), plain_(std::move(other.plain_)),
      vocalized_(std::move(other.vocalized_)) {
    other.owner_ = nullptr;
}

VerseReading::~VerseReading() {
    // Channel 1 closes first, then channel 2.
    plain_.reset();
    vocalized_.reset();
    if (owner_) owner_->busy_ = false;
}

void VerseReading::readPair(std::u16string& plain, std::u16string& vocalized) {
    plain = plain_->readLine();
    vocalized = vocalized_->readLine();
}

VerseReading VerseChannels::open(const std::filesystem::path& dir) {
    if (busy_) throw forms::RuntimeFailure("the verse files are already open for another search");
    return VerseReading(*this, dir);
}

} // namespace sahifex::store
