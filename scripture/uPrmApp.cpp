#include "scripture/uPrmApp.h"

#include <climits>
#include <unistd.h>

namespace mz {

TPrmApp PrmApp;

namespace {

// The defaults live here and nowhere else: a load gives them for a key that is
// missing, empty or unreadable.
constexpr std::string_view kDefFuenteVersos = "Proverbios";
constexpr std::int32_t kDefSegundos = 900;
constexpr std::int32_t kDefPosicion = 1;
constexpr std::int32_t kDefAmplitud = 40;
constexpr std::int32_t kDefEstilo = 3;
constexpr std::int32_t kDefIcono = 0;
constexpr bool kDefAutoHide = true;
constexpr std::int32_t kDefDesplegado = 10;

std::string executableDirectory() {
    char path[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return {};
    const std::string exe(path, static_cast<std::size_t>(n));
    return exe.substr(0, exe.rfind('/') + 1);
}

std::string& programDirectory() {
    static std::string dir = executableDirectory();
    return dir;
}

} // namespace

std::string ProgramDirectory() {
    return programDirectory();
}

void SetProgramDirectory(std::string_view dir) {
    std::string d(dir);
    if (!d.empty() && d.back() != '/')
        d += '/';
    programDirectory() = d;
    PrmIniList().SetIniFilename(d + std::string(kPrmFileName));
}

TIniList& PrmIniList() {
    static TIniList list;
    static const bool ready = [] {
        list.SetTitle(kPrmTitle);
        list.SetIniFilename(programDirectory() + std::string(kPrmFileName));
        return true;
    }();
    (void)ready;
    return list;
}

void LoadPrmApp(TPrmApp& prm) {
    LoadPrmApp(prm, PrmIniList());
}

void SavePrmApp(const TPrmApp& prm) {
    SavePrmApp(prm, PrmIniList());
}

void LoadPrmApp(TPrmApp& prm, TIniList& ini) {
    ini.LoadFile();
    // Integers keep the low bits that fit the field, as a narrowing store does.
    TPrmApp r;
    r.FuenteVersos = ini.ReadString("Fuente", "FuenteVersos", kDefFuenteVersos);
    r.Segundos = static_cast<std::uint16_t>(ini.ReadInteger("Frecuencia", "Segundos", kDefSegundos));
    r.Posicion = static_cast<std::uint8_t>(ini.ReadInteger("ZefraWnd", "Posicion", kDefPosicion));
    r.Amplitud = static_cast<std::uint8_t>(ini.ReadInteger("ZefraWnd", "Amplitud", kDefAmplitud));
    r.Estilo = static_cast<std::uint8_t>(ini.ReadInteger("ZefraWnd", "Estilo", kDefEstilo));
    r.Icono = static_cast<std::uint8_t>(ini.ReadInteger("ZefraWnd", "Icono", kDefIcono));
    r.AutoHide = ini.ReadBool("ZefraWnd", "AutoHide", kDefAutoHide);
    r.Desplegado = static_cast<std::uint16_t>(ini.ReadInteger("ZefraWnd", "Desplegado", kDefDesplegado));
    prm = std::move(r);
}

void SavePrmApp(const TPrmApp& prm, TIniList& ini) {
    ini.WriteString("Fuente", "FuenteVersos", prm.FuenteVersos);
    ini.WriteInteger("Frecuencia", "Segundos", prm.Segundos);
    ini.WriteInteger("ZefraWnd", "Posicion", prm.Posicion);
    ini.WriteInteger("ZefraWnd", "Amplitud", prm.Amplitud);
    ini.WriteInteger("ZefraWnd", "Estilo", prm.Estilo);
    ini.WriteInteger("ZefraWnd", "Icono", prm.Icono);
    ini.WriteBool("ZefraWnd", "AutoHide", prm.AutoHide);
    ini.WriteInteger("ZefraWnd", "Desplegado", prm.Desplegado);
    ini.SaveFile();
}

} // namespace mz
