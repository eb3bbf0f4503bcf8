// libFuzzer target: any bytes as a saved reading's content, and as text to
// unscramble, must neither crash nor run away; scrambling undoes unscrambling.
#include "savedreading.h"
#include "scramble.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray content = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    const SavedBirthDay day = ParseSavedReading(content);
    if (day.month.size() > content.size() || day.date.size() > content.size() || day.year.size() > content.size())
        std::abort();

    // Every code that survives unscrambling comes back when scrambled again.
    const QString text = QString::fromLatin1(content);
    const QString plain = UnscrambleText(text);
    QString kept;
    for (const QChar c : text)
        if (c.unicode() >= 85)
            kept.append(c);
    if (ScrambleText(plain) != kept)
        std::abort();
    return 0;
}
