#include "toolkit/strings.h"

#include <algorithm>

#include "toolkit/errors.h"
#include "toolkit/text.h"

namespace pp::toolkit {

// ---- TStrings

void TStrings::CheckIndex(int index, int limit) const {
  if (index < 0 || index >= limit) Raise(EStringListError::IndexOutOfBounds(index));
}

void TStrings::Put(int index, const std::string& s) {
  void* object = GetObjectAt(index);
  BeginUpdate();
  Delete(index);
  InsertObject(index, s, object);
  EndUpdate();
}

void TStrings::InsertObject(int index, const std::string& s, void* object) {
  Insert(index, s);
  PutObject(index, object);
}

int TStrings::Add(const std::string& s) {
  int index = Count();
  Insert(index, s);
  return index;
}

int TStrings::AddObject(const std::string& s, void* object) {
  int index = Add(s);
  PutObject(index, object);
  return index;
}

void TStrings::AddStrings(const TStrings& other) {
  BeginUpdate();
  for (int i = 0; i < other.Count(); ++i) AddObject(other.Get(i), other.GetObjectAt(i));
  EndUpdate();
}

void TStrings::Assign(const TStrings& other) {
  if (&other == this) return;
  BeginUpdate();
  Clear();
  separator_ = other.separator_;
  AddStrings(other);
  EndUpdate();
}

int TStrings::CompareStrings(const std::string& a, const std::string& b) const {
  return CompareText(a, b);
}

int TStrings::IndexOf(const std::string& s) const {
  for (int i = 0; i < Count(); ++i)
    if (CompareStrings(Get(i), s) == 0) return i;
  return -1;
}

int TStrings::IndexOfObject(const void* object) const {
  for (int i = 0; i < Count(); ++i)
    if (GetObjectAt(i) == object) return i;
  return -1;
}

int TStrings::IndexOfName(const std::string& name) const {
  for (int i = 0; i < Count(); ++i) {
    std::string line = Get(i);
    size_t p = line.find(separator_);
    if (p != std::string::npos && CompareStrings(line.substr(0, p), name) == 0) return i;
  }
  return -1;
}

void TStrings::Exchange(int a, int b) {
  CheckIndex(a, Count());
  CheckIndex(b, Count());
  if (a == b) return;
  BeginUpdate();
  std::string sa = Get(a), sb = Get(b);
  void *oa = GetObjectAt(a), *ob = GetObjectAt(b);
  Put(a, sb);
  PutObject(a, ob);
  Put(b, sa);
  PutObject(b, oa);
  EndUpdate();
}

void TStrings::Move(int from, int to) {
  if (from == to) return;
  CheckIndex(from, Count());
  CheckIndex(to, Count());
  BeginUpdate();
  std::string s = Get(from);
  void* object = GetObjectAt(from);
  Delete(from);
  InsertObject(to, s, object);
  EndUpdate();
}

bool TStrings::Equals(const TStrings& other) const {
  if (Count() != other.Count()) return false;
  for (int i = 0; i < Count(); ++i)
    if (Get(i) != other.Get(i)) return false;
  return true;
}

std::string TStrings::Names(int index) const {
  std::string line = Get(index);
  size_t p = line.find(separator_);
  return p == std::string::npos ? std::string() : line.substr(0, p);
}

std::string TStrings::ValueFromIndex(int index) const {
  std::string line = Get(index);
  size_t p = line.find(separator_);
  return p == std::string::npos ? std::string() : line.substr(p + 1);
}

std::string TStrings::Values(const std::string& name) const {
  int i = IndexOfName(name);
  return i < 0 ? std::string() : ValueFromIndex(i);
}

void TStrings::SetValue(const std::string& name, const std::string& value) {
  int i = IndexOfName(name);
  if (value.empty()) {
    if (i >= 0) Delete(i);
    return;
  }
  std::string line = name + separator_ + value;
  if (i < 0)
    Add(line);
  else
    Put(i, line);
}

std::string TStrings::Text() const {
  std::string r;
  for (int i = 0; i < Count(); ++i) r += Get(i) + "\r\n";
  return r;
}

void TStrings::SetText(const std::string& text) {
  BeginUpdate();
  Clear();
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find_first_of("\r\n", start);
    if (end == std::string::npos) {
      Add(text.substr(start));
      break;
    }
    Add(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  EndUpdate();
}

void TStrings::BeginUpdate() {
  if (update_count_ == 0) SetUpdateState(true);
  ++update_count_;
}

void TStrings::EndUpdate() {
  if (update_count_ == 0) return;  // unbalanced: ignore rather than go negative
  if (--update_count_ == 0) SetUpdateState(false);
}

// ---- TStringList

std::string TStringList::Get(int index) const {
  CheckIndex(index, Count());
  return items_[index].text;
}

void* TStringList::GetObjectAt(int index) const {
  CheckIndex(index, Count());
  return items_[index].object;
}

void TStringList::Put(int index, const std::string& s) {
  if (sorted_) Raise(EStringListError::SortedInsert());
  CheckIndex(index, Count());
  Changing();
  items_[index].text = s;
  Changed();
}

void TStringList::PutObject(int index, void* object) {
  CheckIndex(index, Count());
  Changing();
  items_[index].object = object;
  Changed();
}

void TStringList::Insert(int index, const std::string& s) { InsertObject(index, s, nullptr); }

void TStringList::InsertObject(int index, const std::string& s, void* object) {
  if (sorted_) Raise(EStringListError::SortedInsert());
  CheckIndex(index, Count() + 1);
  InsertItem(index, s, object);
}

void TStringList::InsertItem(int index, const std::string& s, void* object) {
  Changing();
  items_.insert(items_.begin() + index, Item{s, object});
  Changed();
}

int TStringList::Add(const std::string& s) {
  if (!sorted_) {
    InsertItem(Count(), s, nullptr);
    return Count() - 1;
  }
  int index;
  if (Find(s, index)) {
    if (duplicates_ == dupIgnore) return index;
    if (duplicates_ == dupError) Raise(EStringListError::Duplicate());
  }
  InsertItem(index, s, nullptr);
  return index;
}

void TStringList::Delete(int index) {
  CheckIndex(index, Count());
  Changing();
  items_.erase(items_.begin() + index);
  Changed();
}

void TStringList::Clear() {
  if (items_.empty()) return;
  Changing();
  items_.clear();
  Changed();
}

int TStringList::CompareStrings(const std::string& a, const std::string& b) const {
  return case_sensitive_ ? CompareStr(a, b) : CompareText(a, b);
}

int TStringList::IndexOf(const std::string& s) const {
  if (!sorted_) return TStrings::IndexOf(s);
  int index;
  return Find(s, index) ? index : -1;
}

// Binary search; with duplicates accepted it answers the first of equal strings.
bool TStringList::Find(const std::string& s, int& index) const {
  int lo = 0, hi = Count() - 1;
  bool found = false;
  while (lo <= hi) {
    int mid = lo + (hi - lo) / 2;
    int c = CompareStrings(items_[mid].text, s);
    if (c < 0) {
      lo = mid + 1;
    } else {
      hi = mid - 1;
      if (c == 0) found = true;
    }
  }
  index = lo;
  return found;
}

void TStringList::Sort() {
  CustomSort([](const TStringList& list, int a, int b) {
    return list.CompareStrings(list.items_[a].text, list.items_[b].text);
  });
}

void TStringList::CustomSort(const std::function<int(const TStringList&, int, int)>& compare) {
  if (items_.size() < 2) return;
  Changing();
  // Sort positions against the unchanged items, then apply the order in one step.
  std::vector<int> order(items_.size());
  for (size_t i = 0; i < order.size(); ++i) order[i] = static_cast<int>(i);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return compare(*this, a, b) < 0; });
  std::vector<Item> sorted;
  sorted.reserve(items_.size());
  for (int i : order) sorted.push_back(items_[i]);
  items_.swap(sorted);
  Changed();
}

void TStringList::SetSorted(bool sorted) {
  if (sorted == sorted_) return;
  if (sorted) Sort();
  sorted_ = sorted;
}

void TStringList::SetCaseSensitive(bool on) {
  if (on == case_sensitive_) return;
  case_sensitive_ = on;
  if (sorted_) Sort();
}

void TStringList::SetUpdateState(bool updating) {
  if (updating)
    Changing();
  else
    Changed();
}

void TStringList::Changing() {
  if (UpdateCount() == 0 && OnChanging) OnChanging(*this);
}

void TStringList::Changed() {
  if (UpdateCount() == 0 && OnChange) OnChange(*this);
}

}  // namespace pp::toolkit
