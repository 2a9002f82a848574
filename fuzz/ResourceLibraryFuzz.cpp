// The resource library reader: a library it accepts, written back, reads as
// the same entries, and each of them is found by its name.

#include "FuzzSupport.h"
#include "platform/ResourceLibrary.h"

using namespace cardoria;

namespace {

bool SameEntries(const std::vector<ResourceEntry>& a, const std::vector<ResourceEntry>& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i].name != b[i].name || a[i].kind != b[i].kind || a[i].hotX != b[i].hotX || a[i].hotY != b[i].hotY ||
        a[i].data != b[i].data)
      return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto library = ResourceLibrary::Parse(bytes);
  if (!library) return 0;
  const std::string written = ResourceLibrary::Serialize(library->Entries());
  const auto reread = ResourceLibrary::Parse(written);
  FUZZ_CHECK(reread.has_value(), "written library not accepted");
  FUZZ_CHECK(SameEntries(reread->Entries(), library->Entries()), "written library reads differently");
  FUZZ_CHECK(ResourceLibrary::Serialize(reread->Entries()) == written, "writing is not stable");
  for (const ResourceEntry& entry : library->Entries()) {
    const ResourceEntry* found = library->Find(entry.name);
    FUZZ_CHECK(found && UpperName(found->name) == UpperName(entry.name), entry.name);
    FUZZ_CHECK(entry.hotX >= -32768 && entry.hotX <= 32767 && entry.hotY >= -32768 && entry.hotY <= 32767,
               "hot spot out of range");
  }
  if (size % 8 == 0) {
    fuzz::ClearScratch();
    fuzz::WriteScratchFile("KRT.RGF", bytes);
    const auto loaded = ResourceLibrary::Load(fuzz::ScratchDir() + "KRT.RGF");
    FUZZ_CHECK(loaded && SameEntries(loaded->Entries(), library->Entries()), "the file reads differently");
  }
  return 0;
}
