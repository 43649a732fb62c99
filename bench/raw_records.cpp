// The floor of "vertiloom-cli extract --all" and "vertiloom-cli import": the same bytes read and
// written with plain POSIX calls, nothing checked, no Qt. One process per command, as the program's.
//
//   raw_records extract IMAGE DIR NAME:OFFSET:LENGTH...   each record's bytes into DIR/NAME
//   raw_records import IMAGE FILE OFFSET [FILE OFFSET...]  each FILE's bytes into IMAGE at its OFFSET
//
// OFFSET is hexadecimal. With --backup (first argument) an import first copies IMAGE to IMAGE.bak;
// with --sync every file written is synced to the disk: what the program's import and extract add
// to the bare reads and writes.
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

bool backup = false;
bool syncWrites = false;

[[noreturn]] void fail(const std::string& what)
{
    std::fprintf(stderr, "raw_records: %s: %s\n", what.c_str(), std::strerror(errno));
    std::exit(1);
}

void writeFile(const std::string& path, const char* data, size_t size)
{
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0 || ::write(fd, data, size) != static_cast<ssize_t>(size) || (syncWrites && ::fsync(fd) != 0))
        fail(path);
    ::close(fd);
}

std::vector<char> readFile(const std::string& path)
{
    const int fd = ::open(path.c_str(), O_RDONLY);
    struct stat info {};
    if (fd < 0 || ::fstat(fd, &info) != 0)
        fail(path);
    std::vector<char> bytes(static_cast<size_t>(info.st_size));
    if (::read(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size()))
        fail(path);
    ::close(fd);
    return bytes;
}

} // namespace

int main(int argc, char* argv[])
{
    int first = 1;
    for (; first < argc && argv[first][0] == '-'; ++first) {
        backup = backup || std::strcmp(argv[first], "--backup") == 0;
        syncWrites = syncWrites || std::strcmp(argv[first], "--sync") == 0;
    }
    const int count = argc - first;
    if (count >= 3 && std::strcmp(argv[first], "extract") == 0) {
        const int image = ::open(argv[first + 1], O_RDONLY);
        if (image < 0)
            fail(argv[first + 1]);
        const std::string dir = argv[first + 2];
        ::mkdir(dir.c_str(), 0755);
        char buffer[4096];
        for (int i = first + 3; i < argc; ++i) {
            const std::string record = argv[i];
            const size_t a = record.find(':');
            const size_t b = record.find(':', a + 1);
            const off_t offset = std::strtoll(record.substr(a + 1, b - a - 1).c_str(), nullptr, 16);
            const size_t length = std::strtoul(record.substr(b + 1).c_str(), nullptr, 10);
            if (a == std::string::npos || b == std::string::npos || length > sizeof buffer
                || ::pread(image, buffer, length, offset) != static_cast<ssize_t>(length))
                fail(record);
            writeFile(dir + "/" + record.substr(0, a), buffer, length);
        }
        return 0;
    }
    if (count >= 4 && count % 2 == 0 && std::strcmp(argv[first], "import") == 0) {
        const std::string image = argv[first + 1];
        if (backup) {
            const std::vector<char> whole = readFile(image);
            writeFile(image + ".bak", whole.data(), whole.size());
        }
        const int fd = ::open(image.c_str(), O_WRONLY);
        if (fd < 0)
            fail(image);
        for (int i = first + 2; i + 1 < argc; i += 2) {
            const std::vector<char> record = readFile(argv[i]);
            const off_t offset = std::strtoll(argv[i + 1], nullptr, 16);
            if (::pwrite(fd, record.data(), record.size(), offset) != static_cast<ssize_t>(record.size()))
                fail(image);
        }
        if (syncWrites && ::fsync(fd) != 0)
            fail(image);
        ::close(fd);
        return 0;
    }
    std::fprintf(stderr, "usage: raw_records [--backup] [--sync] extract IMAGE DIR NAME:OFFSET:LENGTH...\n"
                         "       raw_records [--backup] [--sync] import IMAGE FILE OFFSET [FILE OFFSET...]\n");
    return 2;
}
