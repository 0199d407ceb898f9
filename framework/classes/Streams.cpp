#include "framework/classes/Streams.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "framework/os/Files.h"
#include "framework/os/SafeWriter.h"

std::int64_t TStream::Size() {
  std::int64_t pos = Seek(0, soCurrent);
  std::int64_t end = Seek(0, soEnd);
  Seek(pos, soBeginning);
  return end;
}

void TStream::SetSize(std::int64_t) { throw EStreamError("Stream size cannot be changed"); }

void TStream::ReadBuffer(void* Buffer, std::int64_t Count) {
  if (Count != 0 && Read(Buffer, Count) != Count) throw EReadError("Stream read error");
}

void TStream::WriteBuffer(const void* Buffer, std::int64_t Count) {
  if (Count != 0 && Write(Buffer, Count) != Count) throw EWriteError("Stream write error");
}

std::string TStream::ReadString(std::int64_t Count) {
  std::string s;
  // A count read from the data may pass its end: only what is there is
  // reserved, never what the count asks for.
  const std::int64_t left = Size() - Position();
  if (left >= 0 && Count > left) Count = left;
  if (Count <= 0) return s;
  s.resize(static_cast<std::size_t>(Count));
  std::int64_t n = Read(s.data(), Count);
  s.resize(static_cast<std::size_t>(n < 0 ? 0 : n));
  return s;
}

std::int64_t TStream::CopyFrom(TStream* Source, std::int64_t Count) {
  if (Count == 0) {
    Source->SetPosition(0);
    Count = Source->Size();
  }
  std::int64_t left = Count;
  char buf[65536];
  while (left > 0) {
    std::int64_t n = std::min<std::int64_t>(left, sizeof buf);
    Source->ReadBuffer(buf, n);
    WriteBuffer(buf, n);
    left -= n;
  }
  return Count;
}

void TStream::WriteU16(std::uint16_t v) {
  std::uint8_t b[2] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8)};
  WriteBuffer(b, 2);
}

void TStream::WriteU32(std::uint32_t v) {
  std::uint8_t b[4] = {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(v >> 8),
                       static_cast<std::uint8_t>(v >> 16), static_cast<std::uint8_t>(v >> 24)};
  WriteBuffer(b, 4);
}

std::uint8_t TStream::ReadU8() {
  std::uint8_t b = 0;
  ReadBuffer(&b, 1);
  return b;
}

std::uint16_t TStream::ReadU16() {
  std::uint8_t b[2];
  ReadBuffer(b, 2);
  return static_cast<std::uint16_t>(b[0] | (b[1] << 8));
}

std::uint32_t TStream::ReadU32() {
  std::uint8_t b[4];
  ReadBuffer(b, 4);
  return static_cast<std::uint32_t>(b[0]) | (static_cast<std::uint32_t>(b[1]) << 8) |
         (static_cast<std::uint32_t>(b[2]) << 16) | (static_cast<std::uint32_t>(b[3]) << 24);
}

std::int64_t TMemoryStream::Read(void* Buffer, std::int64_t Count) {
  if (Count <= 0 || pos_ >= Size()) return 0;
  std::int64_t n = std::min(Count, Size() - pos_);
  std::memcpy(Buffer, data_.data() + pos_, static_cast<std::size_t>(n));
  pos_ += n;
  return n;
}

std::int64_t TMemoryStream::Write(const void* Buffer, std::int64_t Count) {
  if (Count <= 0) return 0;
  if (pos_ + Count > Size()) data_.resize(static_cast<std::size_t>(pos_ + Count));
  std::memcpy(data_.data() + pos_, Buffer, static_cast<std::size_t>(Count));
  pos_ += Count;
  return Count;
}

std::int64_t TMemoryStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  std::int64_t base = Origin == soBeginning ? 0 : (Origin == soCurrent ? pos_ : Size());
  std::int64_t p = base + Offset;
  // Seeking past the end is allowed; a later write fills the gap with zeros.
  pos_ = p < 0 ? 0 : p;
  return pos_;
}

void TMemoryStream::SetSize(std::int64_t NewSize) {
  data_.resize(static_cast<std::size_t>(std::max<std::int64_t>(NewSize, 0)));
  if (pos_ > Size()) pos_ = Size();
}

void TMemoryStream::Clear() {
  data_.clear();
  pos_ = 0;
}

void TMemoryStream::LoadFromFile(const std::string& FileName) {
  std::string bytes;
  if (!ReadFileBytes(FileName, bytes))
    throw EFOpenError("Cannot open file \"" + NativePath(FileName) + "\". " + std::strerror(ENOENT));
  data_ = std::move(bytes);
  pos_ = 0;
}

void TMemoryStream::LoadFromStream(TStream* Stream) {
  Stream->SetPosition(0);
  data_ = Stream->ReadString(Stream->Size());
  pos_ = 0;
}

void TMemoryStream::SaveToFile(const std::string& FileName) { SafeWriteFile(FileName, data_); }

void TMemoryStream::SaveToStream(TStream* Stream) { Stream->WriteString(data_); }

TFileStream::TFileStream(const std::string& FileName, unsigned Mode) : name_(FileName) {
  const std::string path = NativePath(FileName);
  if ((Mode & 0xFF00) == fmCreate) {
    fd_ = ::open(path.c_str(), O_RDWR | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) throw EFCreateError("Cannot create file \"" + path + "\". " + std::strerror(errno));
    return;
  }
  int flags = O_CLOEXEC;
  switch (Mode & 0x3) {
    case fmOpenWrite:
      flags |= O_WRONLY;
      break;
    case fmOpenReadWrite:
      flags |= O_RDWR;
      break;
    default:
      flags |= O_RDONLY;
  }
  fd_ = ::open(path.c_str(), flags);
  if (fd_ >= 0) {
    struct stat st {};
    if (::fstat(fd_, &st) == 0 && S_ISDIR(st.st_mode)) {
      ::close(fd_);
      fd_ = -1;
      errno = EISDIR;
    }
  }
  if (fd_ < 0) throw EFOpenError("Cannot open file \"" + path + "\". " + std::strerror(errno));
}

TFileStream::~TFileStream() {
  if (fd_ >= 0) ::close(fd_);
}

std::int64_t TFileStream::Read(void* Buffer, std::int64_t Count) {
  std::int64_t done = 0;
  while (done < Count) {
    ssize_t n = ::read(fd_, static_cast<char*>(Buffer) + done, static_cast<std::size_t>(Count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

std::int64_t TFileStream::Write(const void* Buffer, std::int64_t Count) {
  std::int64_t done = 0;
  while (done < Count) {
    ssize_t n = ::write(fd_, static_cast<const char*>(Buffer) + done, static_cast<std::size_t>(Count - done));
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    done += n;
  }
  return done;
}

std::int64_t TFileStream::Seek(std::int64_t Offset, TSeekOrigin Origin) {
  int whence = Origin == soBeginning ? SEEK_SET : (Origin == soCurrent ? SEEK_CUR : SEEK_END);
  off_t p = ::lseek(fd_, static_cast<off_t>(Offset), whence);
  return p < 0 ? -1 : static_cast<std::int64_t>(p);
}

void TFileStream::SetSize(std::int64_t NewSize) {
  if (::ftruncate(fd_, static_cast<off_t>(NewSize)) != 0) throw EWriteError("Stream write error");
  if (Position() > NewSize) SetPosition(NewSize);
}
