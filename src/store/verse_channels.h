#pragma once
// The verse files: line n of the plain file "QuranV.Qur" and line n of the vocalized
// file "QuranT.Qur" are the same verse. Each search reads both and lets them go again;
// only one search can hold them at a time, as with two fixed file channels. The
// searches read them whole (VerseTexts) and walk their lines in the bytes.

#include <filesystem>
#include <memory>
#include <string>
#include <string_view>

#include "forms/runtime_failure.h"
#include "os/kept_mapping.h"

namespace sahifex::store {

inline constexpr const char* kPlainFileName = "QuranV.Qur";
inline constexpr const char* kVocalizedFileName = "QuranT.Qur";

// A verse file that cannot be read: which file, and which line (0 when it could not be
// opened at all).
class VerseFileError : public forms::RuntimeFailure {
public:
    VerseFileError(std::string fileName, int line, const std::string& reason);
    const std::string& fileName() const { return fileName_; }
    int line() const { return line_; }

private:
    std::string fileName_;
    int line_;
};

// One verse file whole in memory, as its bytes: read, or seen through a kept mapping
// when one is given and the file can be mapped. Throws VerseFileError when the file
// cannot be opened or read.
class VerseFileBytes {
public:
    explicit VerseFileBytes(const std::filesystem::path& path, os::KeptMapping* mapping = nullptr);
    std::string_view bytes() const { return bytes_; }
    const std::string& fileName() const { return fileName_; }

private:
    std::unique_ptr<char[]> data_; // the bytes read, when they are not mapped
    std::string_view bytes_;
    std::string fileName_;
};

// The lines of a file read whole, one after the other: a line ends at CR (a LF after it
// is skipped) or at a lone LF. Each line is a view of the file's bytes, not decoded.
class LineReader {
public:
    explicit LineReader(const VerseFileBytes& file) : file_(&file), bytes_(file.bytes()) {}
    bool atEnd() const { return position_ >= bytes_.size(); }
    // The next line; reading past the end throws VerseFileError.
    std::string_view readLine();
    int linesRead() const { return linesRead_; }

private:
    const VerseFileBytes* file_;
    std::string_view bytes_;
    size_t position_ = 0;
    int linesRead_ = 0;
};

class VerseChannels;

// How long a search holds the files' bytes. A mapping shows the file itself: should
// another program shorten the file meanwhile, the bytes beyond its new end are gone and
// touching them ends the process. A search that runs straight through holds them for a
// fraction of a millisecond and sees them mapped; one that yields to the event loop
// while it holds them gets copies.
enum class Holding { Briefly, AcrossYields };

// Both verse files read whole (the plain one first), held as the open files are: only
// one search at a time, while this object lives.
class VerseTexts {
public:
    VerseTexts(VerseTexts&&) noexcept;
    ~VerseTexts();
    const VerseFileBytes& plain() const { return *plain_; }
    const VerseFileBytes& vocalized() const { return *vocalized_; }

private:
    friend class VerseChannels;
    VerseTexts(VerseChannels& owner, const std::filesystem::path& dir, Holding holding);
    VerseChannels* owner_;
    std::unique_ptr<VerseFileBytes> plain_;
    std::unique_ptr<VerseFileBytes> vocalized_;
};

class VerseChannels {
public:
    // Reads both files of the directory whole (the plain one first). Throws
    // VerseFileError when one cannot be read, and RuntimeFailure when another search
    // holds them.
    VerseTexts readWhole(const std::filesystem::path& dir, Holding holding = Holding::Briefly);
    bool busy() const { return busy_; }

private:
    friend class VerseTexts;
    bool busy_ = false;
    // Each search's bytes, valid while its VerseTexts lives: only one does at a time.
    os::KeptMapping plainMapping_, vocalizedMapping_;
};

} // namespace sahifex::store
