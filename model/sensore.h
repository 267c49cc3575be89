#pragma once

#include <QString>
#include <QtGlobal>

/**
 * The in-memory copy of one row of tbsensori, made for one placement call
 * and freed right after it. Create() stores its seventeen arguments and does
 * nothing else; note that orientament comes before testo.
 */
class TSensore
{
public:
    TSensore(qint64 _id, qint64 area_id, qint64 area_zoom, qint64 numsensore, int iconsize, int tiposensore,
             int zonasensore, int coordx, int coordy, int coordx2, int coordy2, int coordxt, int coordyt, int fonttxt,
             int colortxt, int orientament, const QString &testo)
        : f_id(_id), f_area_id(area_id), f_area_zoom(area_zoom), f_numsensore(numsensore), f_iconsize(iconsize),
          f_tiposensore(tiposensore), f_zonasensore(zonasensore), f_coordx(coordx), f_coordy(coordy),
          f_coordx2(coordx2), f_coordy2(coordy2), f_coordxt(coordxt), f_coordyt(coordyt), f_fonttxt(fonttxt),
          f_colortxt(colortxt), f_testo(testo), f_orientamento(orientament)
    {
    }

    /** The record of a new object: every field 0 or empty but its type, icon size and zoom target. */
    static TSensore fNuovo(int iTipo, int iIconSize, qint64 iAreaZoom = 0)
    {
        return TSensore(0, 0, iAreaZoom, 0, iIconSize, iTipo, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, QString());
    }
    qint64 Get_id() const { return f_id; }
    void Set_id(qint64 v) { f_id = v; }
    qint64 Get_area_id() const { return f_area_id; }
    void Set_area_id(qint64 v) { f_area_id = v; }
    qint64 Get_area_zoom() const { return f_area_zoom; }
    void Set_area_zoom(qint64 v) { f_area_zoom = v; }
    qint64 Get_numsensore() const { return f_numsensore; }
    void Set_numsensore(qint64 v) { f_numsensore = v; }
    int Get_iconsize() const { return f_iconsize; }
    void Set_iconsize(int v) { f_iconsize = v; }
    int Get_tiposensore() const { return f_tiposensore; }
    void Set_tiposensoree(int v) { f_tiposensore = v; }
    int Get_zonasensore() const { return f_zonasensore; }
    void Set_zonasensore(int v) { f_zonasensore = v; }
    int Get_coordx() const { return f_coordx; }
    void Set_coordx(int v) { f_coordx = v; }
    int Get_coordy() const { return f_coordy; }
    void Set_coordy(int v) { f_coordy = v; }
    int Get_coordx2() const { return f_coordx2; }
    void Set_coordx2(int v) { f_coordx2 = v; }
    int Get_coordy2() const { return f_coordy2; }
    void Set_coordy2(int v) { f_coordy2 = v; }
    int Get_coordxt() const { return f_coordxt; }
    void Set_coordxt(int v) { f_coordxt = v; }
    int Get_coordyt() const { return f_coordyt; }
    void Set_coordyt(int v) { f_coordyt = v; }
    int Get_fonttxt() const { return f_fonttxt; }
    void Set_fonttxt(int v) { f_fonttxt = v; }
    int Get_colortxt() const { return f_colortxt; }
    void Set_colortxt(int v) { f_colortxt = v; }
    QString Get_testo() const { return f_testo; }
    void Set_testo(const QString &v) { f_testo = v; }
    int Get_orientamento() const { return f_orientamento; }
    bool operator==(const TSensore &o) const = default;
    void Set_orientamento(int v) { f_orientamento = v; }

private:
    qint64 f_id;
    qint64 f_area_id;
    qint64 f_area_zoom;
    qint64 f_numsensore;
    int f_iconsize;
    int f_tiposensore;
    int f_zonasensore;
    int f_coordx;
    int f_coordy;
    int f_coordx2;
    int f_coordy2;
    int f_coordxt;
    int f_coordyt;
    int f_fonttxt;
    int f_colortxt;
    QString f_testo;
    int f_orientamento;
};
