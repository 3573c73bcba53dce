#include "app/Uhr.h"

#include <chrono>

namespace kalvora {
namespace {
const SystemUhr g_systemUhr;
const Uhr* g_pUhr = &g_systemUhr;
} // namespace

CTime SystemUhr::Jetzt() const {
    using namespace std::chrono;
    return CTime(duration_cast<seconds>(system_clock::now().time_since_epoch()).count());
}

const Uhr& AktuelleUhr() { return *g_pUhr; }
void SetzeUhr(const Uhr* uhr) { g_pUhr = uhr ? uhr : &g_systemUhr; }

} // namespace kalvora
