// Lists of strings. TStrings is the base that holds no storage of its own: a control can back
// it with its tabs or pages and inherit the rest (name/value access, text, search, nesting of
// updates). TStringList keeps its strings itself, optionally sorted.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace pp::toolkit {

class TStrings {
 public:
  TStrings() = default;
  TStrings(const TStrings&) = delete;
  TStrings& operator=(const TStrings&) = delete;
  virtual ~TStrings() = default;

  // The storage a derived list provides.
  virtual int Count() const = 0;
  virtual std::string Get(int index) const = 0;
  virtual void Insert(int index, const std::string& s) = 0;
  virtual void Delete(int index) = 0;
  virtual void Clear() = 0;
  virtual void* GetObjectAt(int index) const { return nullptr; }
  virtual void PutObject(int index, void* object) {}
  virtual void Put(int index, const std::string& s);  // keeps the object
  virtual void InsertObject(int index, const std::string& s, void* object);

  std::string Strings(int index) const { return Get(index); }
  void* Objects(int index) const { return GetObjectAt(index); }

  virtual int Add(const std::string& s);
  int AddObject(const std::string& s, void* object);
  void AddStrings(const TStrings& other);
  void Assign(const TStrings& other);
  virtual int IndexOf(const std::string& s) const;
  int IndexOfObject(const void* object) const;
  int IndexOfName(const std::string& name) const;
  // Virtual: a list backed by objects (a page control's pages) moves the objects themselves.
  virtual void Exchange(int a, int b);
  virtual void Move(int from, int to);
  bool Equals(const TStrings& other) const;

  // "name=value" lines.
  std::string Names(int index) const;             // empty when the line has no separator
  std::string ValueFromIndex(int index) const;
  std::string Values(const std::string& name) const;
  void SetValue(const std::string& name, const std::string& value);  // empty value deletes
  char NameValueSeparator() const { return separator_; }
  void SetNameValueSeparator(char c) { separator_ = c; }

  // Lines joined with CR LF (each line ends with one); setting splits on CR LF, LF or CR.
  std::string Text() const;
  void SetText(const std::string& text);

  // Updates nest: only the outermost BeginUpdate / EndUpdate pair reaches SetUpdateState.
  void BeginUpdate();
  void EndUpdate();
  int UpdateCount() const { return update_count_; }

 protected:
  virtual void SetUpdateState(bool updating) {}
  virtual int CompareStrings(const std::string& a, const std::string& b) const;
  void CheckIndex(int index, int limit) const;

 private:
  int update_count_ = 0;
  char separator_ = '=';
};

enum TDuplicates { dupIgnore, dupAccept, dupError };

class TStringList : public TStrings {
 public:
  using TNotifyEvent = std::function<void(TStringList& sender)>;

  int Count() const override { return static_cast<int>(items_.size()); }
  std::string Get(int index) const override;
  void Put(int index, const std::string& s) override;
  void* GetObjectAt(int index) const override;
  void PutObject(int index, void* object) override;
  void Insert(int index, const std::string& s) override;
  void InsertObject(int index, const std::string& s, void* object) override;
  void Delete(int index) override;
  void Clear() override;
  int Add(const std::string& s) override;
  int IndexOf(const std::string& s) const override;

  // In a sorted list: the position of `s` when present (true), else where it would go.
  bool Find(const std::string& s, int& index) const;
  void Sort();
  void CustomSort(const std::function<int(const TStringList&, int, int)>& compare);

  bool Sorted() const { return sorted_; }
  void SetSorted(bool sorted);
  TDuplicates Duplicates() const { return duplicates_; }
  void SetDuplicates(TDuplicates d) { duplicates_ = d; }
  bool CaseSensitive() const { return case_sensitive_; }
  void SetCaseSensitive(bool on);

  TNotifyEvent OnChange;
  TNotifyEvent OnChanging;

 protected:
  void SetUpdateState(bool updating) override;
  int CompareStrings(const std::string& a, const std::string& b) const override;
  virtual void Changing();
  virtual void Changed();

 private:
  struct Item {
    std::string text;
    void* object = nullptr;
  };
  void InsertItem(int index, const std::string& s, void* object);

  std::vector<Item> items_;
  bool sorted_ = false;
  bool case_sensitive_ = false;
  TDuplicates duplicates_ = dupIgnore;
};

}  // namespace pp::toolkit
