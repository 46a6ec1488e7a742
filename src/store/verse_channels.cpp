#include "store/verse_channels.h"

#include <fstream>

#include "store/line_ends.h"
#include "store/win1256.h"

namespace sahifex::store {
namespace {

std::string describe(const std::string& fileName, int line, const std::string& reason) {
    if (line == 0) return fileName + ": " + reason;
    return fileName + ", line " + std::to_string(line) + ": " + reason;
}

// A folder, a FIFO or a device in a verse file's place is refused before it is opened:
// opening a FIFO would wait for another program to write into it.
void refuseWhatIsNoFile(const std::filesystem::path& path, const std::string& fileName) {
    std::error_code ec;
    const auto status = std::filesystem::status(path, ec);
    if (std::filesystem::is_directory(status))
        throw VerseFileError(fileName, 0, "is a folder, not a verse file: " + path.string());
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        throw VerseFileError(fileName, 0, "is not a regular file: " + path.string());
}

} // namespace

// The verse files in data/, as qur_converter makes them from the Tanzil texts.
const ExpectedSums kShippedSums{FileSum{452157, 0xae41f3da0daf4bb1ULL}, FileSum{691392, 0x4a023adb97f39338ULL}};

VerseFileError::VerseFileError(std::string fileName, int line, const std::string& reason)
    : forms::RuntimeFailure(describe(fileName, line, reason)), fileName_(std::move(fileName)),
      line_(line) {}

FileSum sumOf(std::string_view bytes) {
    unsigned long long hash = 14695981039346656037ULL;
    for (const char byte : bytes) {
        hash ^= static_cast<unsigned char>(byte);
        hash *= 1099511628211ULL;
    }
    return {bytes.size(), hash};
}

VerseFileBytes KeptVerseFile::read(const std::filesystem::path& path, const std::optional<FileSum>& expected) {
    const std::string fileName = path.filename().string();
    refuseWhatIsNoFile(path, fileName);
    // A file that another program writes while it is read is read again, until it
    // stays the same from before the reading to after it.
    for (int attempt = 0; attempt < 3; ++attempt) {
        const std::optional<os::FileIdentity> before = os::identityOf(path);
        if (!before) throw VerseFileError(fileName, 0, "cannot be opened: " + path.string());
        if (identity_ == before) return {fileName, {data_.get(), size_}};
        identity_.reset();
        std::ifstream in(path, std::ios::binary);
        if (!in.is_open()) throw VerseFileError(fileName, 0, "cannot be opened: " + path.string());
        std::streambuf& buf = *in.rdbuf();
        const auto end = buf.pubseekoff(0, std::ios::end, std::ios::in);
        if (end < 0 || buf.pubseekoff(0, std::ios::beg, std::ios::in) != 0)
            throw VerseFileError(fileName, 0, "cannot be read: " + path.string());
        // Every byte is overwritten by the reading: no zeroing first.
        data_ = std::make_unique_for_overwrite<char[]>(static_cast<size_t>(end));
        size_ = static_cast<size_t>(buf.sgetn(data_.get(), static_cast<std::streamsize>(end)));
        if (os::identityOf(path) != before) continue;
        const std::string_view bytes(data_.get(), size_);
        if (expected && sumOf(bytes) != *expected)
            throw VerseFileError(fileName, 0, "is damaged: it is not the verse file that came with the program");
        identity_ = before;
        return {fileName, bytes};
    }
    throw VerseFileError(fileName, 0, "changes while it is read: " + path.string());
}

std::string_view LineReader::readLine() {
    if (atEnd())
        throw VerseFileError(file_->fileName(), linesRead_ + 1, "the file ends before this line");
    const size_t end = lineEndFrom(bytes_, position_);
    const std::string_view line = bytes_.substr(position_, end - position_);
    position_ = afterLineEnd(bytes_, end);
    ++linesRead_;
    return line;
}

VerseTexts::VerseTexts(VerseChannels& owner, const std::filesystem::path& dir)
    : owner_(&owner),
      plain_(std::make_unique<VerseFileBytes>(owner.plain_.read(dir / kPlainFileName, owner.expected_.plain))),
      vocalized_(std::make_unique<VerseFileBytes>(
          owner.vocalized_.read(dir / kVocalizedFileName, owner.expected_.vocalized))) {
    owner.busy_ = true;
}

VerseTexts::VerseTexts(VerseTexts&& other) noexcept
    : owner_(other.owner_), plain_(std::move(other.plain_)),
      vocalized_(std::move(other.vocalized_)) {
    other.owner_ = nullptr;
}

VerseTexts::~VerseTexts() {
    if (owner_) owner_->busy_ = false;
}

VerseTexts VerseChannels::readWhole(const std::filesystem::path& dir) {
    if (busy_) throw forms::RuntimeFailure("the verse files are already open for another search");
    return VerseTexts(*this, dir);
}

} // namespace sahifex::store
