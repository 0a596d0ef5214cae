#include "platform/TextFile.h"

#include <bit>
#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "platform/VBError.h"

namespace textfile {

bool ReadAll(const std::string& path, std::string& out) {
    out.clear();
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || S_ISDIR(st.st_mode)) {
        ::close(fd);
        errno = EISDIR;
        return false;
    }
    if (st.st_size > 0) out.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    while (true) {
        ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            int e = errno;
            ::close(fd);
            errno = e;
            return false;
        }
        if (n == 0) break;
        out.append(buf, static_cast<size_t>(n));
    }
    ::close(fd);
    return true;
}

namespace {

// The first CR or LF at or after `pos`, or the text's size. Many bytes are
// looked at together (sixteen, else eight): reading a file looks at every
// byte, and a test for each one cost a large share of a whole zelk. Either
// break is looked for at once, so a file whose lines end in CR alone is
// scanned once too.
size_t NextBreak(std::string_view text, size_t pos) {
#if defined(__SSE2__)
    // Sixteen at a time where the processor compares them in one step.
    const __m128i cr = _mm_set1_epi8('\r'), lf = _mm_set1_epi8('\n');
    for (; pos + 16 <= text.size(); pos += 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text.data() + pos));
        const int marks = _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, cr), _mm_cmpeq_epi8(block, lf)));
        if (marks) return pos + static_cast<size_t>(std::countr_zero(static_cast<unsigned>(marks)));
    }
#endif
    constexpr uint64_t kOnes = 0x0101010101010101u, kHighs = 0x8080808080808080u;
    constexpr uint64_t kCr = kOnes * '\r', kLf = kOnes * '\n';
    if constexpr (std::endian::native == std::endian::little) {
        for (; pos + 8 <= text.size(); pos += 8) {
            uint64_t word;
            std::memcpy(&word, text.data() + pos, 8);
            // A byte is zero in word ^ kCr where word has a CR; (x - kOnes) &
            // ~x marks the lowest zero byte exactly (marks above it may be
            // false), so the lowest mark is the first break.
            const uint64_t cr = word ^ kCr, lf = word ^ kLf;
            const uint64_t marks = (((cr - kOnes) & ~cr) | ((lf - kOnes) & ~lf)) & kHighs;
            if (marks) return pos + static_cast<size_t>(std::countr_zero(marks)) / 8;
        }
    }
    while (pos < text.size() && text[pos] != '\r' && text[pos] != '\n') ++pos;
    return pos;
}

}  // namespace

size_t LineEnd(std::string_view text, size_t pos, size_t& next) {
    const size_t i = NextBreak(text, pos);
    next = i;
    if (i < text.size()) {
        next = i + 1;
        if (text[i] == '\r' && next < text.size() && text[next] == '\n') ++next;
    }
    return i;
}

size_t CountLines(std::string_view text) {
    size_t lines = 0;
    for (size_t pos = 0, next = 0; pos < text.size(); pos = next) {
        LineEnd(text, pos, next);
        ++lines;
    }
    return lines;
}

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t next;
        size_t end = LineEnd(text, pos, next);
        lines.emplace_back(text.substr(pos, end - pos));
        pos = next;
    }
    return lines;
}

namespace {

// Writes every byte to an open file and makes it reach the disk; false with
// errno set when that fails. The file is closed in every case.
bool WriteAndClose(int fd, std::string_view bytes) {
    size_t done = 0;
    while (done < bytes.size()) {
        ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int e = errno;
            ::close(fd);
            errno = e;
            return false;
        }
        done += static_cast<size_t>(n);
    }
    if (::fsync(fd) != 0) {
        const int e = errno;
        ::close(fd);
        errno = e;
        return false;
    }
    return ::close(fd) == 0;
}

// The file a symbolic link leads to (the name itself when it is no link):
// writing goes to that file, so the link stays a link.
std::string FileBehindLinks(const std::string& path) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::path p(path);
    for (int hop = 0; hop < 40 && fs::is_symlink(p, ec); ++hop) {
        fs::path target = fs::read_symlink(p, ec);
        if (ec) break;
        p = target.is_absolute() ? target : p.parent_path() / target;
    }
    return p.string();
}

// A file with other names (hard links) keeps its identity: it is rewritten
// where it is, so that every name sees the new content. Should the write
// fail, the old content is put back.
bool WriteInPlace(const std::string& path, std::string_view bytes) {
    std::string old;
    if (!ReadAll(path, old)) return false;
    int fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd < 0) return false;
    if (WriteAndClose(fd, bytes)) return true;
    const int e = errno;
    fd = ::open(path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    if (fd >= 0) WriteAndClose(fd, old);
    errno = e;
    return false;
}

}  // namespace

bool WriteAllAtomic(const std::string& name, std::string_view bytes) {
    const std::string path = FileBehindLinks(name);
    struct stat st {};
    const bool exists = ::stat(path.c_str(), &st) == 0;
    if (exists && S_ISREG(st.st_mode) && st.st_nlink > 1) return WriteInPlace(path, bytes);

    std::string tmp = path + ".zelkertmp" + std::to_string(::getpid());
    int fd = ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    if (!WriteAndClose(fd, bytes)) {
        const int e = errno;
        ::unlink(tmp.c_str());
        errno = e;
        return false;
    }
    // Keep the permissions of the file being replaced.
    if (exists) ::chmod(tmp.c_str(), st.st_mode & 07777);
    if (::rename(tmp.c_str(), path.c_str()) != 0) {
        const int e = errno;
        ::unlink(tmp.c_str());
        errno = e;
        return false;
    }
    return true;
}

}  // namespace textfile

std::string LineReader::ReadWhole(const std::string& path) {
    std::string text;
    if (!textfile::ReadAll(path, text)) RaiseErrno(errno, path, "LineReader");
    return text;
}

void LineReader::Open(const std::string& path) {
    Close();
    text_ = ReadWhole(path);
    view_ = text_;
    path_ = path;
    pos_ = 0;
    open_ = true;
}

void LineReader::OpenText(std::string text, const std::string& name) {
    Close();
    text_ = std::move(text);
    view_ = text_;
    path_ = name;
    pos_ = 0;
    open_ = true;
}

void LineReader::OpenView(std::string_view text, const std::string& name) {
    Close();
    view_ = text;
    path_ = name;
    pos_ = 0;
    open_ = true;
}

bool LineReader::ReadLine(std::string_view& line) {
    if (!open_ || pos_ >= view_.size()) return false;
    size_t next;
    const size_t end = textfile::LineEnd(view_, pos_, next);
    line = view_.substr(pos_, end - pos_);
    pos_ = next;
    return true;
}

bool LineReader::ReadLine(std::string& line) {
    std::string_view view;
    if (!ReadLine(view)) return false;
    line.assign(view);
    return true;
}

std::string LineReader::ReadLine() {
    std::string line;
    if (!open_) RaiseError(vberr::kBadFileNameOrNumber, "LineReader");
    if (!ReadLine(line)) RaiseError(vberr::kInputPastEnd, "LineReader");
    return line;
}

void LineReader::Close() {
    open_ = false;
    view_ = {};
    text_.clear();
    text_.shrink_to_fit();
    pos_ = 0;
}

LineWriter::~LineWriter() {
    if (!file_) return;
    if (!block_.empty()) std::fwrite(block_.data(), 1, block_.size(), file_);
    std::fclose(file_);
}

void LineWriter::Open(const std::string& path, Mode mode) {
    Close();
    file_ = std::fopen(path.c_str(), mode == Mode::Output ? "wb" : "ab");
    if (!file_) RaiseErrno(errno, path, "LineWriter");
    path_ = path;
}

void LineWriter::WriteBlock(std::FILE* file) {
    const size_t size = block_.size();
    const bool written = size == 0 || std::fwrite(block_.data(), 1, size, file) == size;
    const int error = errno;
    block_.clear();
    if (!written) RaiseErrno(error, path_, "LineWriter");
}

void LineWriter::Write(std::string_view text) {
    if (!file_) RaiseError(vberr::kBadFileNameOrNumber, "LineWriter");
    block_.append(text);
    if (block_.size() >= kBlock) WriteBlock(file_);
}

void LineWriter::WriteLine(std::string_view line) {
    if (!file_) RaiseError(vberr::kBadFileNameOrNumber, "LineWriter");
    // The line and its break in one go: one check and one look at the block's
    // size a line instead of two.
    block_.append(line).append("\r\n", 2);
    if (block_.size() >= kBlock) WriteBlock(file_);
}

void LineWriter::Close() {
    if (!file_) return;
    std::FILE* f = file_;
    file_ = nullptr;
    try {
        WriteBlock(f);
    } catch (...) {
        std::fclose(f);
        throw;
    }
    if (std::fclose(f) != 0) RaiseErrno(errno, path_, "LineWriter");
}
