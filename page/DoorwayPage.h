#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// The five texts that a doorway page is made from, in the order the template
// uses them. Every field is UTF-8 and may be empty; the description keeps its
// CR LF line breaks.
struct TDoorwayPageInputs {
  std::string Title;
  std::string SiteUrl;
  std::string Keywords;
  std::string Description;
  std::string FooterName;
};

constexpr std::size_t DoorwayPageLineCount = 26;

// The 26 page lines. They are kept in one buffer that is already the page
// text, so that joining them costs nothing: a huge page is copied once.
class TDoorwayPageLines {
 public:
  static constexpr std::size_t size() { return DoorwayPageLineCount; }

  // Line i (from 0), without the CR LF that follows it in the page text.
  std::string_view operator[](std::size_t i) const;

  class const_iterator;
  const_iterator begin() const;
  const_iterator end() const;

  bool operator==(const TDoorwayPageLines& other) const { return text_ == other.text_; }

 private:
  friend TDoorwayPageLines BuildDoorwayPage(const TDoorwayPageInputs& inputs);
  friend std::string JoinPageText(const TDoorwayPageLines& lines);
  friend std::string JoinPageText(TDoorwayPageLines&& lines);

  std::string text_;
  std::array<std::size_t, DoorwayPageLineCount + 1> starts_{};
};

class TDoorwayPageLines::const_iterator {
 public:
  using value_type = std::string_view;
  using difference_type = std::ptrdiff_t;

  const_iterator(const TDoorwayPageLines& lines, std::size_t index)
      : lines_(&lines), index_(index) {}
  std::string_view operator*() const { return (*lines_)[index_]; }
  const_iterator& operator++() {
    ++index_;
    return *this;
  }
  bool operator!=(const const_iterator& other) const { return index_ != other.index_; }

 private:
  const TDoorwayPageLines* lines_;
  std::size_t index_;
};

inline TDoorwayPageLines::const_iterator TDoorwayPageLines::begin() const { return {*this, 0}; }
inline TDoorwayPageLines::const_iterator TDoorwayPageLines::end() const { return {*this, size()}; }

// Applies the fixed template: every value goes in verbatim, with no trimming,
// escaping or length limit, and the result always has 26 lines.
TDoorwayPageLines BuildDoorwayPage(const TDoorwayPageInputs& inputs);

// The page text: every line followed by CR LF, the last one included.
std::string JoinPageText(const TDoorwayPageLines& lines);
std::string JoinPageText(TDoorwayPageLines&& lines);
