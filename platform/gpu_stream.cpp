// The stream of per-frame data (instance matrices, screen vertices): one
// large buffer written front to back. A range is never written twice while
// drawing may still read it: when the buffer is full, fresh storage replaces
// it. Rewriting storage the renderer still reads makes Mesa finish the frame
// drawn so far before the write (its threads then wait on each other).
#include <cstring>

#include "platform/gpu_draw.h"
#include "platform/gpu_internal.h"

namespace {

constexpr GLsizeiptr kStreamBytes = 4 << 20;
constexpr GLsizeiptr kAlignment = 64;

GLuint streamBuffer = 0;
GLsizeiptr streamUsed = kStreamBytes;  // full: the first write makes the storage

void RenewStorage() {
  if (streamBuffer != 0) glDeleteBuffers(1, &streamBuffer);  // drawing in flight keeps the old storage alive
  glGenBuffers(1, &streamBuffer);
  glBindBuffer(GL_ARRAY_BUFFER, streamBuffer);
  glBufferData(GL_ARRAY_BUFFER, kStreamBytes, nullptr, GL_STREAM_DRAW);
  streamUsed = 0;
}

}  // namespace

bool GpuStreamWrite(const void* data, size_t size, GLuint* buffer, GLintptr* offset) {
  if (data == nullptr || size == 0 || GLsizeiptr(size) > kStreamBytes) return false;
  if (streamUsed + GLsizeiptr(size) > kStreamBytes) {
    RenewStorage();
  } else {
    glBindBuffer(GL_ARRAY_BUFFER, streamBuffer);
  }
  // Unsynchronised: nothing drawn so far reads this range.
  void* target = glMapBufferRange(GL_ARRAY_BUFFER, streamUsed, GLsizeiptr(size),
                                  GL_MAP_WRITE_BIT | GL_MAP_UNSYNCHRONIZED_BIT | GL_MAP_INVALIDATE_RANGE_BIT);
  if (target == nullptr) return false;
  std::memcpy(target, data, size);
  glUnmapBuffer(GL_ARRAY_BUFFER);
  *buffer = streamBuffer;
  *offset = streamUsed;
  streamUsed += (GLsizeiptr(size) + kAlignment - 1) / kAlignment * kAlignment;
  ++GpuCounting().bufferUploads;
  return true;
}
