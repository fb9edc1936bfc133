#include "CommonProductData.h"

#include <QFile>

namespace catalogue {

QByteArray commonProductRecords()
{
    QFile resource(QStringLiteral(":/catalogue/common-products.dat"));
    if (!resource.open(QIODevice::ReadOnly))
        return {};
    return resource.readAll();
}

} // namespace catalogue
