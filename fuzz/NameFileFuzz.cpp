// Any bytes as namefile.dat: reading never fails, and any name read back (or made from the
// input) is remembered and read again as exactly the same name.

#include "FuzzCheck.h"

#include "data/Cp1252.h"
#include "data/FixedField.h"
#include "model/StoreFiles.h"

#include <QByteArray>
#include <QDir>
#include <QString>

#include <cstdint>

namespace {

bool fitsCodePage(const QString& name)
{
    return data::cp1252::decode(data::cp1252::encode(name)) == name;
}

// A bare file name, as a list in the working folder is remembered. A name led by ":" is a
// Qt resource path, never a file the program could have opened.
bool isBareName(const QString& name)
{
    return !name.isEmpty() && !name.contains(u'/') && !name.contains(QChar(0)) && !name.startsWith(u':') &&
           name != QLatin1String(".") && name != QLatin1String("..");
}

void roundTrip(const QString& name)
{
    if (!isBareName(name))
        return;
    const QByteArray bytes = model::rememberedListBytes(name);
    FUZZ_CHECK(bytes.size() % 30 == 0 && !bytes.isEmpty());
    const QString back = model::rememberedListFrom(bytes);
    // Blanks around a name the code page holds are fill, as they always were.
    FUZZ_CHECK(back == (fitsCodePage(name) ? data::trimBlanks(name) : name));
    if (!fitsCodePage(name))
        FUZZ_CHECK(bytes.left(11) == "grocery.lst");
    // The same name elsewhere is remembered by its full path.
    const QString far = QStringLiteral("/nonexistent/folder/") + name;
    if (!fitsCodePage(far) || data::trimBlanks(name) == name)
        FUZZ_CHECK(model::rememberedListFrom(model::rememberedListBytes(far)) == far);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString read = model::rememberedListFrom(bytes);
    roundTrip(read);
    // A name the start reopens is a list, of no control characters, never out of its folder.
    if (model::rememberedListProblem(read).isEmpty()) {
        FUZZ_CHECK(read.endsWith(QLatin1String(".lst"), Qt::CaseInsensitive));
        FUZZ_CHECK(!read.split(u'/').contains(QStringLiteral("..")));
        for (const QChar c : read)
            FUZZ_CHECK(c.category() != QChar::Other_Control);
    }
    roundTrip(QString::fromUtf8(bytes));
    return 0;
}
