// The password of the resource pack image.dat; the packer uses it too.
#pragma once

inline constexpr const char* kPackPassword = "kQ7rT2mWz9pL4x";
