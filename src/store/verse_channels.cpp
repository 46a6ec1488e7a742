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

VerseFileError::VerseFileError(std::string fileName, int line, const std::string& reason)
    : forms::RuntimeFailure(describe(fileName, line, reason)), fileName_(std::move(fileName)),
      line_(line) {}

VerseFileBytes::VerseFileBytes(const std::filesystem::path& path, os::KeptMapping* mapping)
    : fileName_(path.filename().string()) {
    if (mapping) {
        if (const auto mapped = mapping->bytes(path)) {
            bytes_ = *mapped;
            return;
        }
    }
    refuseWhatIsNoFile(path, fileName_);
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open()) throw VerseFileError(fileName_, 0, "cannot be opened: " + path.string());
    std::streambuf& buf = *in.rdbuf();
    const auto end = buf.pubseekoff(0, std::ios::end, std::ios::in);
    if (end < 0 || buf.pubseekoff(0, std::ios::beg, std::ios::in) != 0)
        throw VerseFileError(fileName_, 0, "cannot be read: " + path.string());
    const auto size = static_cast<size_t>(end);
    // Every byte is overwritten by the reading: no zeroing first.
    data_ = std::make_unique_for_overwrite<char[]>(size);
    // A file that shrank meanwhile ends where its bytes end.
    bytes_ = {data_.get(), static_cast<size_t>(buf.sgetn(data_.get(), static_cast<std::streamsize>(size)))};
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

VerseTexts::VerseTexts(VerseChannels& owner, const std::filesystem::path& dir, Holding holding)
    : owner_(&owner),
      plain_(std::make_unique<VerseFileBytes>(
          dir / kPlainFileName, holding == Holding::Briefly ? &owner.plainMapping_ : nullptr)),
      vocalized_(std::make_unique<VerseFileBytes>(
          dir / kVocalizedFileName, holding == Holding::Briefly ? &owner.vocalizedMapping_ : nullptr)) {
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

VerseTexts VerseChannels::readWhole(const std::filesystem::path& dir, Holding holding) {
    if (busy_) throw forms::RuntimeFailure("the verse files are already open for another search");
    return VerseTexts(*this, dir, holding);
}

} // namespace sahifex::store
