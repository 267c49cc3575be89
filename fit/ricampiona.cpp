#include "fit/ricampiona.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

/** The source pixels one output pixel is made of, along one axis, with their weights (summing to 1). */
struct TPesi
{
    int iPrimo = 0;
    std::vector<float> aPesi;
};

std::vector<TPesi> fPesi(double dInizio, double dPasso, int iOut, int iSrc)
{
    std::vector<TPesi> aOut(static_cast<size_t>(iOut));
    for (int i = 0; i < iOut; ++i) {
        TPesi &p = aOut[size_t(i)];
        if (dPasso >= 1.0) {
            // the area under the output pixel
            const double a = std::clamp(dInizio + i * dPasso, 0.0, double(iSrc));
            const double b = std::clamp(a + dPasso, 0.0, double(iSrc));
            p.iPrimo = std::min(int(std::floor(a)), iSrc - 1);
            const int iUltimo = std::max(p.iPrimo, std::min(int(std::ceil(b)) - 1, iSrc - 1));
            double dSomma = 0;
            for (int k = p.iPrimo; k <= iUltimo; ++k) {
                const double w = std::max(0.0, std::min(b, k + 1.0) - std::max(a, double(k)));
                p.aPesi.push_back(float(w));
                dSomma += w;
            }
            if (dSomma <= 0) {
                p.aPesi.assign(p.aPesi.size(), 0.f);
                p.aPesi[0] = 1.f;
            } else {
                for (float &w : p.aPesi)
                    w = float(w / dSomma);
            }
        } else {
            // linear between the two nearest pixel centres
            const double c = std::clamp(dInizio + (i + 0.5) * dPasso - 0.5, 0.0, double(iSrc - 1));
            p.iPrimo = std::min(int(std::floor(c)), std::max(0, iSrc - 2));
            const double t = c - p.iPrimo;
            p.aPesi = {float(1.0 - t)};
            if (iSrc > 1)
                p.aPesi.push_back(float(t));
        }
    }
    return aOut;
}

} // namespace

QImage fRicampiona(const QImage &srcIn, const QRectF &rc, const QSize &sizeOut)
{
    const QImage src = srcIn.format() == QImage::Format_RGB32 ? srcIn : srcIn.convertToFormat(QImage::Format_RGB32);
    QImage out(sizeOut, QImage::Format_RGB32);
    if (out.isNull() || src.isNull())
        return out;
    const std::vector<TPesi> aX = fPesi(rc.x(), rc.width() / sizeOut.width(), sizeOut.width(), src.width());
    const std::vector<TPesi> aY = fPesi(rc.y(), rc.height() / sizeOut.height(), sizeOut.height(), src.height());
    const int iRigaPrima = aY.front().iPrimo;
    const int iRigaUltima = aY.back().iPrimo + int(aY.back().aPesi.size()) - 1;
    const int iW = sizeOut.width();

    // across first: the rows the output needs, each at the output's width
    std::vector<float> aRighe(size_t(iRigaUltima - iRigaPrima + 1) * size_t(iW) * 3);
    for (int y = iRigaPrima; y <= iRigaUltima; ++y) {
        const QRgb *pSrc = reinterpret_cast<const QRgb *>(src.constScanLine(y));
        float *pDst = &aRighe[size_t(y - iRigaPrima) * size_t(iW) * 3];
        for (int x = 0; x < iW; ++x) {
            const TPesi &p = aX[size_t(x)];
            float r = 0, g = 0, b = 0;
            for (size_t k = 0; k < p.aPesi.size(); ++k) {
                const QRgb c = pSrc[p.iPrimo + int(k)];
                r += p.aPesi[k] * float(qRed(c));
                g += p.aPesi[k] * float(qGreen(c));
                b += p.aPesi[k] * float(qBlue(c));
            }
            pDst[3 * x] = r;
            pDst[3 * x + 1] = g;
            pDst[3 * x + 2] = b;
        }
    }
    // then down
    std::vector<float> aAcc(size_t(iW) * 3);
    for (int y = 0; y < sizeOut.height(); ++y) {
        const TPesi &p = aY[size_t(y)];
        std::fill(aAcc.begin(), aAcc.end(), 0.f);
        for (size_t k = 0; k < p.aPesi.size(); ++k) {
            const float w = p.aPesi[k];
            const float *pRiga = &aRighe[size_t(p.iPrimo + int(k) - iRigaPrima) * size_t(iW) * 3];
            for (size_t i = 0; i < aAcc.size(); ++i)
                aAcc[i] += w * pRiga[i];
        }
        QRgb *pDst = reinterpret_cast<QRgb *>(out.scanLine(y));
        auto fByte = [](float v) { return std::clamp(int(v + 0.5f), 0, 255); };
        for (int x = 0; x < iW; ++x)
            pDst[x] = qRgb(fByte(aAcc[3 * size_t(x)]), fByte(aAcc[3 * size_t(x) + 1]), fByte(aAcc[3 * size_t(x) + 2]));
    }
    return out;
}

void pScurisci(QImage &img, int iLato)
{
    if (iLato < 2 || img.isNull())
        return;
    img.convertTo(QImage::Format_RGB32);
    const int iW = img.width(), iH = img.height();
    const int iPrima = (iLato - 1) / 2, iDopo = iLato - 1 - iPrima;
    auto fMin = [](QRgb a, QRgb b) {
        return qRgb(std::min(qRed(a), qRed(b)), std::min(qGreen(a), qGreen(b)), std::min(qBlue(a), qBlue(b)));
    };
    std::vector<QRgb> aTmp(size_t(std::max(iW, iH)));
    for (int y = 0; y < iH; ++y) {
        QRgb *p = reinterpret_cast<QRgb *>(img.scanLine(y));
        std::copy(p, p + iW, aTmp.begin());
        for (int x = 0; x < iW; ++x) {
            QRgb c = aTmp[size_t(x)];
            for (int k = std::max(0, x - iPrima); k <= std::min(iW - 1, x + iDopo); ++k)
                c = fMin(c, aTmp[size_t(k)]);
            p[x] = c;
        }
    }
    for (int x = 0; x < iW; ++x) {
        for (int y = 0; y < iH; ++y)
            aTmp[size_t(y)] = reinterpret_cast<const QRgb *>(img.constScanLine(y))[x];
        for (int y = 0; y < iH; ++y) {
            QRgb c = aTmp[size_t(y)];
            for (int k = std::max(0, y - iPrima); k <= std::min(iH - 1, y + iDopo); ++k)
                c = fMin(c, aTmp[size_t(k)]);
            reinterpret_cast<QRgb *>(img.scanLine(y))[x] = c;
        }
    }
}
