#pragma once
// The verse files: line n of the plain file "QuranV.Qur" and line n of the vocalized
// file "QuranT.Qur" are the same verse. Each search reads both and lets them go again;
// only one search can hold them at a time, as with two fixed file channels. The
// searches read them whole (VerseTexts) and walk their lines in the bytes.

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "forms/runtime_failure.h"
#include "os/file_identity.h"

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

// The size of a file and the FNV-1a hash (64 bits) of its bytes: what tells the verse
// files that came with the program from a copy cut short, overwritten or damaged.
struct FileSum {
    unsigned long long size = 0, fnv1a = 0;
    bool operator==(const FileSum&) const = default;
};
FileSum sumOf(std::string_view bytes);

// What the two verse files must hold; no sum takes a file whatever it holds.
struct ExpectedSums {
    std::optional<FileSum> plain, vocalized;
};
// The verse files that come with the program, as the converter makes them.
extern const ExpectedSums kShippedSums;

// One verse file whole in memory: its name and its bytes.
class VerseFileBytes {
public:
    VerseFileBytes(std::string fileName, std::string_view bytes)
        : bytes_(bytes), fileName_(std::move(fileName)) {}
    std::string_view bytes() const { return bytes_; }
    const std::string& fileName() const { return fileName_; }

private:
    std::string_view bytes_;
    std::string fileName_;
};

// A copy of one verse file's bytes, kept from one reading to the next while the file
// stays the same: each reading still asks the system for the file as it is then, and a
// file replaced, rewritten, grown or shrunk since is read anew. A copy, not a view of
// the file: another program rewriting the file in place changes nothing that a search
// holds.
class KeptVerseFile {
public:
    // The bytes of the file at path, valid until the next call. Throws VerseFileError
    // when it is missing, no regular file, cannot be read, does not hold what expected
    // says, or keeps changing while it is read.
    VerseFileBytes read(const std::filesystem::path& path, const std::optional<FileSum>& expected = {});

private:
    std::optional<os::FileIdentity> identity_; // of the bytes kept, when they are good
    std::unique_ptr<char[]> data_;
    size_t size_ = 0;
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
    VerseTexts(VerseChannels& owner, const std::filesystem::path& dir);
    VerseChannels* owner_;
    std::unique_ptr<VerseFileBytes> plain_;
    std::unique_ptr<VerseFileBytes> vocalized_;
};

class VerseChannels {
public:
    // expected: what the files must hold, checked whenever a file is read anew (at the
    // first search, and after the file changed).
    explicit VerseChannels(ExpectedSums expected = kShippedSums) : expected_(expected) {}
    // Verse files of one's own, whatever they hold (the tests write such files).
    void expect(ExpectedSums expected) { expected_ = expected; }

    // Reads both files of the directory whole (the plain one first). Throws
    // VerseFileError when one cannot be read or is damaged, and RuntimeFailure when
    // another search holds them.
    VerseTexts readWhole(const std::filesystem::path& dir);
    bool busy() const { return busy_; }

private:
    friend class VerseTexts;
    bool busy_ = false;
    ExpectedSums expected_;
    // Each search's bytes, valid while its VerseTexts lives: only one does at a time.
    KeptVerseFile plain_, vocalized_;
};

} // namespace sahifex::store
