#pragma once
// Streams: a sequence of bytes with a position.
//
// TFileStream reads and writes a file directly; the program's saves of whole
// files go through SafeWriter (TMemoryStream::SaveToFile does), so that a
// failed save leaves the old file as it was.
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

#include "framework/classes/Classes.h"

enum TSeekOrigin { soBeginning, soCurrent, soEnd };

// TFileStream modes; the sharing flags exist for callers written for the
// platform and have no effect here.
inline constexpr unsigned fmOpenRead = 0x0000;
inline constexpr unsigned fmOpenWrite = 0x0001;
inline constexpr unsigned fmOpenReadWrite = 0x0002;
inline constexpr unsigned fmShareCompat = 0x0000;
inline constexpr unsigned fmShareExclusive = 0x0010;
inline constexpr unsigned fmShareDenyWrite = 0x0020;
inline constexpr unsigned fmShareDenyRead = 0x0030;
inline constexpr unsigned fmShareDenyNone = 0x0040;
inline constexpr unsigned fmCreate = 0xFF00;

class TStream : public TObject {
 public:
  // Reads or writes up to Count bytes; returns how many moved.
  virtual std::int64_t Read(void* Buffer, std::int64_t Count) = 0;
  virtual std::int64_t Write(const void* Buffer, std::int64_t Count) = 0;
  virtual std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) = 0;

  std::int64_t Position() { return Seek(0, soCurrent); }
  void SetPosition(std::int64_t Pos) { Seek(Pos, soBeginning); }
  virtual std::int64_t Size();
  virtual void SetSize(std::int64_t NewSize);

  // Exactly Count bytes or EReadError "Stream read error" /
  // EWriteError "Stream write error".
  void ReadBuffer(void* Buffer, std::int64_t Count);
  void WriteBuffer(const void* Buffer, std::int64_t Count);
  void WriteString(std::string_view Bytes) {
    WriteBuffer(Bytes.data(), static_cast<std::int64_t>(Bytes.size()));
  }
  // Reads Count bytes (or what is left) into a string.
  std::string ReadString(std::int64_t Count);
  // Copies Count bytes from Source (all of it from its start when Count is 0).
  std::int64_t CopyFrom(TStream* Source, std::int64_t Count);

  // Little-endian values.
  void WriteU8(std::uint8_t v) { WriteBuffer(&v, 1); }
  void WriteU16(std::uint16_t v);
  void WriteU32(std::uint32_t v);
  std::uint8_t ReadU8();
  std::uint16_t ReadU16();
  std::uint32_t ReadU32();
};

class TMemoryStream : public TStream {
 public:
  std::int64_t Read(void* Buffer, std::int64_t Count) override;
  std::int64_t Write(const void* Buffer, std::int64_t Count) override;
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
  std::int64_t Size() override { return static_cast<std::int64_t>(data_.size()); }
  void SetSize(std::int64_t NewSize) override;

  void Clear();
  const char* Memory() const { return data_.data(); }
  char* Memory() { return data_.data(); }
  const std::string& Bytes() const { return data_; }
  // Raises EFOpenError when the file cannot be read.
  void LoadFromFile(const std::string& FileName);
  void LoadFromStream(TStream* Stream);
  // Through the safe writer; raises EFCreateError on failure.
  void SaveToFile(const std::string& FileName);
  void SaveToStream(TStream* Stream);

 protected:
  std::string data_;
  std::int64_t pos_ = 0;
};

// A memory stream over a text, as the platform's string stream.
class TStringStream : public TMemoryStream {
 public:
  explicit TStringStream(std::string_view Data = {}) { data_.assign(Data); }
  const std::string& DataString() const { return data_; }
};

class TFileStream : public TStream {
 public:
  // fmCreate creates or truncates; the open modes need an existing file.
  // Raise EFCreateError "Cannot create file \"x\". reason" or EFOpenError
  // "Cannot open file \"x\". reason".
  TFileStream(const std::string& FileName, unsigned Mode);
  ~TFileStream() override;

  std::int64_t Read(void* Buffer, std::int64_t Count) override;
  std::int64_t Write(const void* Buffer, std::int64_t Count) override;
  std::int64_t Seek(std::int64_t Offset, TSeekOrigin Origin) override;
  void SetSize(std::int64_t NewSize) override;
  const std::string& FileName() const { return name_; }

 private:
  std::string name_;
  int fd_ = -1;
};
