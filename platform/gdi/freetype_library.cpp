#include "platform/gdi/freetype_library.h"

#include FT_MODULE_H
#include FT_SYSTEM_H

#include <cstdlib>

namespace platform::gdi {

#if defined(VESTRALINO_FREETYPE_LINKED_IN)

// FreeType's module classes, as its default module list names them. Each begins with its
// FT_Module_Class, which is all FT_Add_Module reads.
extern "C" {
extern const FT_Module_Class sfnt_module_class;
extern const FT_Module_Class tt_driver_class;
extern const FT_Module_Class ft_smooth_renderer_class;
extern const FT_Module_Class ft_raster1_renderer_class;
extern const FT_Module_Class psnames_module_class;
extern const FT_Module_Class t1_driver_class;
extern const FT_Module_Class cff_driver_class;
extern const FT_Module_Class t1cid_driver_class;
extern const FT_Module_Class pfr_driver_class;
extern const FT_Module_Class t42_driver_class;
extern const FT_Module_Class winfnt_driver_class;
extern const FT_Module_Class pcf_driver_class;
extern const FT_Module_Class bdf_driver_class;
extern const FT_Module_Class autofit_module_class;
extern const FT_Module_Class pshinter_module_class;
extern const FT_Module_Class psaux_module_class;
extern const FT_Module_Class ft_svg_renderer_class;
}

namespace {

constexpr const FT_Module_Class* kTrueTypeModules[] = {
    &sfnt_module_class, &tt_driver_class, &ft_smooth_renderer_class,
    &ft_raster1_renderer_class, &psnames_module_class};

constexpr const FT_Module_Class* kOtherFormatModules[] = {
    &psaux_module_class,  &pshinter_module_class, &autofit_module_class,
    &t1_driver_class,     &cff_driver_class,      &t1cid_driver_class,
    &pfr_driver_class,    &t42_driver_class,      &winfnt_driver_class,
    &pcf_driver_class,    &bdf_driver_class,      &ft_svg_renderer_class};

void* Allocate(FT_Memory, long size) { return std::malloc(static_cast<std::size_t>(size)); }
void Free(FT_Memory, void* block) { std::free(block); }
void* Reallocate(FT_Memory, long, long new_size, void* block) {
  return std::realloc(block, static_cast<std::size_t>(new_size));
}

FT_Library MakeLibrary() {
  static FT_MemoryRec_ memory{nullptr, Allocate, Free, Reallocate};
  FT_Library library = nullptr;
  if (FT_New_Library(&memory, &library) != 0) return nullptr;
  for (const FT_Module_Class* module : kTrueTypeModules) FT_Add_Module(library, module);
  FT_Set_Default_Properties(library);  // FREETYPE_PROPERTIES, as FT_Init_FreeType reads it
  return library;
}

}  // namespace

bool AddEveryFontFormat(FT_Library library) {
  if (library == nullptr) return false;
  bool added = false;
  for (const FT_Module_Class* module : kOtherFormatModules) {
    if (FT_Get_Module(library, module->module_name) != nullptr) continue;
    added = FT_Add_Module(library, module) == 0 || added;
  }
  return added;
}

#else

namespace {

FT_Library MakeLibrary() {
  FT_Library library = nullptr;
  return FT_Init_FreeType(&library) == 0 ? library : nullptr;
}

}  // namespace

bool AddEveryFontFormat(FT_Library) { return false; }

#endif

FT_Library FreeTypeLibrary() {
  static FT_Library library = MakeLibrary();
  return library;
}

}  // namespace platform::gdi
