// The line builders of maps.txt with the code-page conversion, on any numbers
// and texts: numbers read back exactly, every character becomes one byte, and
// a record never carries a line end of its own.

#include "export/cp1252.h"
#include "export/maplines.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

namespace {

QString fTesto(FuzzedDataProvider &fdp)
{
    const std::string s = fdp.ConsumeRandomLengthString(48);
    // both ways a text reaches the builders: UTF-8 from the database, UTF-16 from the editor
    if (fdp.ConsumeBool())
        return QString::fromUtf8(s.data(), qsizetype(s.size()));
    return QString(reinterpret_cast<const QChar *>(s.data()), qsizetype(s.size() / 2));
}

void pVerifica(bool b)
{
    if (!b)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    FuzzedDataProvider fdp(data, size);
    const int iLarghezza = fdp.ConsumeIntegralInRange<int>(-4, 40);
    qint64 a[11];
    for (qint64 &v : a)
        v = fdp.ConsumeIntegral<qint64>();
    const QString sTipo = fTesto(fdp);
    const QString sCommento = fTesto(fdp);
    const QString sTesto = fTesto(fdp);

    const QString sNumero = AddLeadingZeroes(a[0], iLarghezza);
    bool bOk = false;
    pVerifica(sNumero.toLongLong(&bOk) == a[0] && bOk);
    pVerifica(sNumero.size() >= iLarghezza);

    const QString sRecord =
        fCreaTxtIO(sTipo, a[0], a[1], a[2], a[3], a[4], a[5], a[6], a[7], a[8], a[9], a[10], sTesto);
    const QByteArray record = fToCp1252(sRecord);
    pVerifica(record.size() == fLunghezzaTesto(sRecord));
    pVerifica(record.size() >= 128 || fLunghezzaTesto(sTipo) < 4);

    for (int iTipo : {2, 3}) {
        const QString sRiga = fCreacommento(iTipo, sCommento);
        pVerifica(fToCp1252(sRiga).size() == fLunghezzaTesto(sRiga));
        if (fLunghezzaTesto(sCommento) <= 126)
            pVerifica(fLunghezzaTesto(sRiga) == 128);
    }
    pVerifica(fToCp1252(fCreaTxtImg(a[1])).size() >= 128);
    pVerifica(fCreaStringa(sTipo, iLarghezza).size() == sTipo.size() * std::max(iLarghezza, 0));
    return 0;
}
