#pragma once
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string_view>

// The numbered keys of a family group ("Name0", "F12", ...), formatted into a
// small buffer so that reading and writing a large file does not allocate a
// string per key.
//
// Friend and chemistry keys carry two numbers, the member's and the entry's.
// Older files write them side by side ("F12" = member 1, entry 2), which is
// ambiguous from ten on: "F112" is member 1's entry 12 and member 11's entry
// 2. This program writes the plain form while both numbers are below ten, and
// separates them with '_' otherwise ("F1_12", "F11_2"). Files with at most
// ten members and ten entries per Sim hold no separated key, so they read
// exactly as before; for a separated position the reader also accepts the
// plain key when the separated one is missing, so colliding files of older
// writers still read their way (the first line of a key wins).
class KeyBuffer {
public:
    std::string_view Member(std::string_view name, int32_t member) {
        size_ = 0;
        Append(name);
        AppendNumber(member);
        return View();
    }
    /// The plain side-by-side form ("F112").
    std::string_view PlainPair(char prefix, int32_t member, int32_t entry) {
        size_ = 0;
        data_[size_++] = prefix;
        AppendNumber(member);
        AppendNumber(entry);
        return View();
    }
    /// The separated form ("F1_12").
    std::string_view SeparatedPair(char prefix, int32_t member, int32_t entry) {
        size_ = 0;
        data_[size_++] = prefix;
        AppendNumber(member);
        data_[size_++] = '_';
        AppendNumber(entry);
        return View();
    }
    /// The form this program writes for a position.
    std::string_view Pair(char prefix, int32_t member, int32_t entry) {
        return NeedsSeparator(member, entry) ? SeparatedPair(prefix, member, entry)
                                             : PlainPair(prefix, member, entry);
    }
    static bool NeedsSeparator(int32_t member, int32_t entry) { return member > 9 || entry > 9; }

private:
    void Append(std::string_view text) {
        std::memcpy(data_ + size_, text.data(), text.size());
        size_ += text.size();
    }
    void AppendNumber(int32_t n) {
        auto r = std::to_chars(data_ + size_, data_ + sizeof data_, n);
        size_ = static_cast<size_t>(r.ptr - data_);
    }
    std::string_view View() const { return std::string_view(data_, size_); }

    char data_[64];  // longest key: "FriendCount" + an int, or a prefix, two ints and '_'
    size_t size_ = 0;
};
