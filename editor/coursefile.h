// The edited course record: six holes in per-hole arrays plus the course's
// starting points. Its memory image, 1836 bytes little-endian, is the
// course file edit\NAME.dat, with no header of its own.
#pragma once

#include <cstddef>
#include <cstdint>

#include "platform/arrays.h"

struct EditedCourseRecord {
#define FIELD(T, N) T N;
#define HOLES(T, N) Arr<T, 1, 6> N;
#define BYTES(N, COUNT) uint8_t N[COUNT];
#include "editor/coursefile.def"
#undef FIELD
#undef HOLES
#undef BYTES
};

constexpr size_t kCourseFileSize = 1836;

static_assert(offsetof(EditedCourseRecord, editWindKind) == 6);
static_assert(offsetof(EditedCourseRecord, editSlopeKind) == 12);
static_assert(offsetof(EditedCourseRecord, editBgmLetter) == 18);
static_assert(offsetof(EditedCourseRecord, editLength) == 1554);
static_assert(offsetof(EditedCourseRecord, editGreen) == 1566);
static_assert(offsetof(EditedCourseRecord, editPar) == 1578);
static_assert(offsetof(EditedCourseRecord, editRough1From) == 1590);
static_assert(offsetof(EditedCourseRecord, editWater1From) == 1662);
static_assert(offsetof(EditedCourseRecord, editBunker1From) == 1734);
static_assert(offsetof(EditedCourseRecord, editBunker3To) == 1794);
static_assert(offsetof(EditedCourseRecord, editWindFrom) == 1806);
static_assert(offsetof(EditedCourseRecord, editSlopeTo) == 1824);
static_assert(offsetof(EditedCourseRecord, editReserved) == 1830);
static_assert(offsetof(EditedCourseRecord, editPoints) == 1832);
static_assert(sizeof(EditedCourseRecord) == kCourseFileSize);

class QString;

// A course name as the name fields accept it: letters a-z, A-Z and digits,
// at least one. A pasted name can carry anything, a path included; only a
// name that passes here ever reaches the file system.
bool isCourseName(const QString& name);

// edit\NAME.dat
QString courseFilePath(const QString& name);
