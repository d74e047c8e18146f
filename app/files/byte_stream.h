// A COM stream over bytes in memory, for the platform's XML reader and writer.
#pragma once

#include <objidl.h>
#include <windows.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <utility>

// The reader takes its bytes from a stream and the writer gives its bytes to one. This one reads
// from and appends to a string in memory, so that no further system library is needed for it;
// the file itself is read and replaced by the program's own file functions.
class ByteStream final : public IStream {
 public:
  explicit ByteStream(std::string bytes) : bytes_(std::move(bytes)) {}

  const std::string& Bytes() const { return bytes_; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** object) override {
    if (object == nullptr) return E_POINTER;
    if (IsEqualIID(id, __uuidof(IUnknown)) || IsEqualIID(id, __uuidof(ISequentialStream)) ||
        IsEqualIID(id, __uuidof(IStream))) {
      *object = static_cast<IStream*>(this);
      AddRef();
      return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++references_; }
  ULONG STDMETHODCALLTYPE Release() override {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
  }

  HRESULT STDMETHODCALLTYPE Read(void* buffer, ULONG size, ULONG* done) override {
    const size_t count = std::min<size_t>(size, bytes_.size() - std::min(position_, bytes_.size()));
    if (count > 0) std::memcpy(buffer, bytes_.data() + position_, count);
    position_ += count;
    if (done != nullptr) *done = static_cast<ULONG>(count);
    return count == size ? S_OK : S_FALSE;
  }
  HRESULT STDMETHODCALLTYPE Write(const void* buffer, ULONG size, ULONG* done) override {
    bytes_.append(static_cast<const char*>(buffer), size);
    position_ = bytes_.size();
    if (done != nullptr) *done = size;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Seek(LARGE_INTEGER move, DWORD origin,
                                 ULARGE_INTEGER* newPosition) override {
    long long base = 0;
    if (origin == STREAM_SEEK_CUR) base = static_cast<long long>(position_);
    if (origin == STREAM_SEEK_END) base = static_cast<long long>(bytes_.size());
    const long long target = base + move.QuadPart;
    if (target < 0) return STG_E_INVALIDFUNCTION;
    position_ = static_cast<size_t>(target);
    if (newPosition != nullptr) newPosition->QuadPart = position_;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE Stat(STATSTG* stat, DWORD) override {
    if (stat == nullptr) return STG_E_INVALIDPOINTER;
    *stat = STATSTG();
    stat->type = STGTY_STREAM;
    stat->cbSize.QuadPart = bytes_.size();
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetSize(ULARGE_INTEGER) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE CopyTo(IStream*, ULARGE_INTEGER, ULARGE_INTEGER*,
                                   ULARGE_INTEGER*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Commit(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE Revert() override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE LockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE UnlockRegion(ULARGE_INTEGER, ULARGE_INTEGER, DWORD) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE Clone(IStream**) override { return E_NOTIMPL; }

 private:
  ~ByteStream() = default;  // only Release ends it

  std::string bytes_;
  size_t position_ = 0;
  ULONG references_ = 1;
};
