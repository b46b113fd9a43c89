/* malloc and friends for the whole process, counted, then handed to the C
 * library's own allocator. The C library lets a program replace them this way. */
#include <errno.h>
#include <stddef.h>
#include <stdint.h>

void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* block, size_t size);
void* __libc_memalign(size_t alignment, size_t size);
void __libc_free(void* block);

static uint64_t blocks;

static void count(void) {
    __atomic_fetch_add(&blocks, 1, __ATOMIC_RELAXED);
}

uint64_t sledloop_heap_blocks(void) {
    return __atomic_load_n(&blocks, __ATOMIC_RELAXED);
}

void* malloc(size_t size) {
    count();
    return __libc_malloc(size);
}

void* calloc(size_t count_, size_t size) {
    count();
    return __libc_calloc(count_, size);
}

/* A resize may move the block: it counts as one. */
void* realloc(void* block, size_t size) {
    count();
    return __libc_realloc(block, size);
}

void* memalign(size_t alignment, size_t size) {
    count();
    return __libc_memalign(alignment, size);
}

void* aligned_alloc(size_t alignment, size_t size) {
    count();
    return __libc_memalign(alignment, size);
}

int posix_memalign(void** out, size_t alignment, size_t size) {
    if (alignment % sizeof(void*) != 0 || (alignment & (alignment - 1)) != 0) return EINVAL;
    count();
    void* block = __libc_memalign(alignment, size);
    if (!block) return ENOMEM;
    *out = block;
    return 0;
}

void free(void* block) {
    __libc_free(block);
}
