#include "ProgramModule.h"

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>
#include <system_error>

#ifndef TOLMAR_MODULE_DIR
#define TOLMAR_MODULE_DIR "../lib/tolmar-tools"
#endif

void* programModuleSymbol(const std::string& name, const char* symbol, std::string& error) {
    std::error_code failed;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", failed);
    if (failed) {
        error = "the program's folder is unknown: " + failed.message();
        return nullptr;
    }
    const std::filesystem::path folder = program.parent_path();
    for (const std::filesystem::path& file :
         {folder / name, (folder / TOLMAR_MODULE_DIR / name).lexically_normal()}) {
        if (!std::filesystem::exists(file, failed)) continue;
        void* module = dlopen(file.c_str(), RTLD_LAZY | RTLD_LOCAL);
        if (!module) {
            error = dlerror();
            return nullptr;
        }
        void* address = dlsym(module, symbol);
        if (!address) error = dlerror();
        return address;
    }
    error = name + " is missing: it belongs in " + folder.string() + " or in " +
            (folder / TOLMAR_MODULE_DIR).lexically_normal().string();
    return nullptr;
}

int runProgramModule(const char* program, const std::string& name, const char* entry, int argc,
                     char* argv[]) {
    std::string error;
    using Main = int(int, char*[]);
    auto* run = reinterpret_cast<Main*>(programModuleSymbol(name, entry, error));
    if (!run) {
        std::fprintf(stderr, "%s: %s\n", program, error.c_str());
        return 1;
    }
    return run(argc, argv);
}
