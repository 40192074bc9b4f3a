#pragma once
#include <string>

namespace testing_support {

// A fresh folder under the system's temporary folder, removed with everything in it at the end of the test.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Writes an SQLite data file at `path` by running `script` (SQL statements separated by ";") on a handle
// that knows the engine's collation. Fails the test on an error.
void makeDatabase(const std::string& path, const std::string& script);

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& bytes);

// The folder of public Jet files shared beside the checkout; empty when it is absent.
std::string testdataFolder();

}  // namespace testing_support
