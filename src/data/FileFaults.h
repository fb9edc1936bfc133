#pragma once

#include <QString>

#include <cerrno>

// A seam through which tests make the file layer fail at a chosen step, as a full disk or
// a read-only folder would. Nothing is armed in the program itself, so every check is a
// single load of an empty list.
namespace data {

enum class FileStep {
    Open,   // opening a file (for reading, writing, or a replacement's temporary file)
    Write,  // writing bytes; a failed write stores the first half of them, as a full disk does
    Flush,  // pushing a replacement's content to the disk before it takes the old file's place
    Rename, // putting a replacement in the old file's place
};

class FileFaults
{
public:
    // The error number the step should fail with for this file, or 0. A fault named by a
    // bare file name matches that name in any folder; one with a path matches that path.
    // Each armed fault fires as often as it was armed for (a negative count: every time).
    static int errorFor(FileStep step, const QString& fileName);
    // Whether any fault is armed at all.
    static bool anyArmed();
};

// Arms a fault for as long as it lives, e.g.
//   data::FileFaultGuard full(data::FileStep::Write, "grocery.lst"); // next write: no space
class FileFaultGuard
{
public:
    FileFaultGuard(FileStep step, const QString& fileName, int error = ENOSPC, int times = 1);
    ~FileFaultGuard();
    FileFaultGuard(const FileFaultGuard&) = delete;
    FileFaultGuard& operator=(const FileFaultGuard&) = delete;

    // How often the fault has fired so far.
    int fired() const;

private:
    int id_;
};

} // namespace data
