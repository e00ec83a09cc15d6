// Any bytes read as the settings file: reading never fails, and what is written from the values
// read reads back to the same file.
#include "data/Settings.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const kakitori::Settings settings = kakitori::parseSettings(bytes);
    const auto form = kakitori::SettingsForm::WithPassword;
    const kakitori::SettingsEncoding written = kakitori::formatSettings(settings, form);
    if (written.ok() &&
        kakitori::formatSettings(kakitori::parseSettings(written.bytes), form).bytes !=
            written.bytes)
        std::abort();
    return 0;
}
