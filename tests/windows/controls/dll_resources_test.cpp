// The built plug-in itself: every generated image is inside with its listed size and frame
// count, and it imports nothing that Windows 2000 lacks (nor uxtheme.dll, which it lacks too).
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <fstream>
#include <iterator>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "controls/alpha_image.h"
#include "controls/image_catalog.h"
#include "plugin_host.h"

namespace pp::controls::testing {
namespace {

struct DataFile {
  HMODULE module = LoadLibraryExA((pp::test::ExeFolder() + "ParallelPort.dll").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ~DataFile() {
    if (module) FreeLibrary(module);
  }
};

TEST(PluginResources, CarryEveryImageWithItsListedSize) {
  DataFile dll;
  ASSERT_NE(dll.module, nullptr);
  for (const ImageEntry& e : kCompressedImages) {
    HRSRC res = FindResourceA(dll.module, e.Name, MAKEINTRESOURCEA(10));  // RT_RCDATA
    ASSERT_NE(res, nullptr) << "expected the image " << e.Name;
    const auto* data = static_cast<const uint8_t*>(LockResource(LoadResource(dll.module, res)));
    TAlphaImage image(e.Name, data, SizeofResource(dll.module, res));
    EXPECT_EQ(image.Width(), e.Width) << e.Name;
    EXPECT_EQ(image.Height(), e.Height) << e.Name;
    EXPECT_EQ(image.Height() % e.Frames, 0) << e.Name << ": frames of unequal height";
  }
  for (const GlyphEntry& g : kButtonGlyphs) {
    HRSRC res = FindResourceA(dll.module, g.Name, MAKEINTRESOURCEA(2));  // RT_BITMAP
    ASSERT_NE(res, nullptr) << "expected the glyph " << g.Name;
    ASSERT_GE(SizeofResource(dll.module, res), sizeof(BITMAPINFOHEADER));
    BITMAPINFOHEADER header;
    std::memcpy(&header, LockResource(LoadResource(dll.module, res)), sizeof header);
    EXPECT_EQ(header.biWidth, g.Width) << g.Name;
    EXPECT_EQ(header.biHeight, g.Height) << g.Name;
    EXPECT_EQ(header.biBitCount, 4) << g.Name;
  }
}

// Every function the DLL imports, as "dll!function" (dll in upper case), read from the file.
std::vector<std::string> ImportedFunctions(const std::vector<char>& file, bool& delay_imports) {
  auto at = [&](size_t offset, size_t size) -> const char* {
    if (offset > file.size() || size > file.size() - offset) throw std::runtime_error("truncated PE file");
    return file.data() + offset;
  };
  IMAGE_DOS_HEADER dos;
  std::memcpy(&dos, at(0, sizeof dos), sizeof dos);
  IMAGE_NT_HEADERS32 nt;
  std::memcpy(&nt, at(dos.e_lfanew, sizeof nt), sizeof nt);
  std::vector<IMAGE_SECTION_HEADER> sections(nt.FileHeader.NumberOfSections);
  const size_t first_section = dos.e_lfanew + offsetof(IMAGE_NT_HEADERS32, OptionalHeader) + nt.FileHeader.SizeOfOptionalHeader;
  std::memcpy(sections.data(), at(first_section, sections.size() * sizeof(IMAGE_SECTION_HEADER)),
              sections.size() * sizeof(IMAGE_SECTION_HEADER));
  auto file_offset = [&](DWORD rva) -> size_t {
    for (const IMAGE_SECTION_HEADER& s : sections)
      if (rva >= s.VirtualAddress && rva < s.VirtualAddress + std::max(s.Misc.VirtualSize, s.SizeOfRawData))
        return rva - s.VirtualAddress + s.PointerToRawData;
    throw std::runtime_error("address outside every section");
  };
  auto text = [&](DWORD rva) { return std::string(at(file_offset(rva), 1)); };
  delay_imports = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_DELAY_IMPORT].Size != 0;
  std::vector<std::string> names;
  const DWORD imports = nt.OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT].VirtualAddress;
  for (size_t i = 0;; ++i) {
    IMAGE_IMPORT_DESCRIPTOR d;
    std::memcpy(&d, at(file_offset(imports) + i * sizeof d, sizeof d), sizeof d);
    if (d.Name == 0) break;
    std::string dll = text(d.Name);
    std::transform(dll.begin(), dll.end(), dll.begin(), [](char c) { return static_cast<char>(toupper(c)); });
    const DWORD thunks = d.OriginalFirstThunk ? d.OriginalFirstThunk : d.FirstThunk;
    for (size_t k = 0;; ++k) {
      DWORD thunk;
      std::memcpy(&thunk, at(file_offset(thunks) + k * 4, 4), 4);
      if (thunk == 0) break;
      if (thunk & IMAGE_ORDINAL_FLAG32) names.push_back(dll + "!#" + std::to_string(thunk & 0xFFFF));
      else names.push_back(dll + "!" + text(thunk + 2));  // after the 2-byte hint
    }
  }
  return names;
}

TEST(PluginImports, AreAllPresentOnWindows2000) {
  // Each entry is a function whose documented minimum is Windows 2000 or older. A function
  // needed later goes here only after checking that.
  static const char* const kAllowed[] = {
#include "win2k_imports.inc"
  };
  const std::set<std::string> allowed(std::begin(kAllowed), std::end(kAllowed));
  std::ifstream in(pp::test::ExeFolder() + "ParallelPort.dll", std::ios::binary);
  const std::vector<char> file((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  ASSERT_GT(file.size(), 1024u);
  bool delay = false;
  const std::vector<std::string> imports = ImportedFunctions(file, delay);
  EXPECT_FALSE(delay) << "expected no delay-loaded imports";
  EXPECT_GT(imports.size(), 50u);
  for (const std::string& f : imports) {
    EXPECT_TRUE(allowed.count(f)) << f << " is imported but not known to exist on Windows 2000";
    EXPECT_NE(f.rfind("UXTHEME.DLL!", 0), 0u) << "expected uxtheme to be loaded at run time, got " << f;
  }
}

}  // namespace
}  // namespace pp::controls::testing
