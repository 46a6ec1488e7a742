#pragma once
// The verse files read the plain way: line by line from the stream, each line decoded.
// The searches walk the lines in the files' bytes; what they find is checked against
// what these read.

#include <filesystem>
#include <fstream>
#include <string>

namespace sahifex::testing {

// One verse file opened for sequential input. A line ends at CR (a LF after it is
// skipped) or at a lone LF; its bytes are decoded from Windows-1256. Failures are the
// store's VerseFileError, as the searches' own.
class VerseFile {
public:
    // Throws when the file cannot be opened.
    explicit VerseFile(const std::filesystem::path& path);
    bool atEnd();
    // The next line; reading past the end throws.
    std::u16string readLine();
    int linesRead() const { return linesRead_; }

private:
    // Reads up to the line's end, appending its bytes to bytes unless it is null.
    void takeLine(std::string* bytes);
    std::ifstream in_;
    std::string fileName_;
    int linesRead_ = 0;
};

// Both verse files of a folder, read in step: only the plain file's end is tested.
class VerseReading {
public:
    explicit VerseReading(const std::filesystem::path& dir);
    bool atEnd() { return plain_.atEnd(); }
    // Reads one plain line, then one vocalized line.
    void readPair(std::u16string& plain, std::u16string& vocalized);

private:
    VerseFile plain_;
    VerseFile vocalized_;
};

} // namespace sahifex::testing
