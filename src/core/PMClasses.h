// The design record: every input and result of one project, and its operations.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/ContinuousData.h"
#include "core/Globals.h"
#include "core/SquareFootingData.h"
#include "core/StabilityData.h"

class TByteSink;

enum TFootingShape : std::uint8_t { shContinuous = 0, shSquare = 1, shCircle = 2, shRectangle = 3 };

class TPMData {
  public:
    TPMData();

    // --- Project identification (texts held as UTF-8) ---
    std::string Organization;
    std::vector<std::uint8_t> Logo;  // a complete JPEG file image; empty when there is no logo
    std::string ProjectName;
    std::string JobNumber;
    std::string DesignBy;
    double Date = 0;  // whole days since 30 December 1899
    std::uint8_t Units = 0;
    std::uint8_t Shape = 0;

    // --- Bearing capacity inputs ---
    Real B = 0, L = 0, Df = 0, C = 0, Phi = 0, Gamma = 0, Dw = 0, FS = 0;
    Real Reserved1 = 0, Reserved2 = 0;
    Real AllowNetBearing = 0;
    Real Reserved3 = 0, Reserved4 = 0, Reserved5 = 0, Reserved6 = 0, Reserved7 = 0, Reserved8 = 0;

    // --- Bearing capacity results ---
    Real GammaW = 0, PhiRad = 0, ATheta = 0;
    Real NcTerzaghi = 0, NqTerzaghi = 0, NGammaTerzaghi = 0;
    Real GammaPrime = 0, TerzaghiCoef1 = 0, TerzaghiCoef3 = 0, SigmaZD = 0;
    Real NcVesic = 0, Sc = 0, Dc = 0, NqVesic = 0, Sq = 0, Dq = 0, NGammaVesic = 0, SGamma = 0, DGamma = 0;
    Real BOverL = 0, DepthK = 0;
    Real QultTerzaghi = 0, QallTerzaghi = 0, QultVesic = 0, QallVesic = 0;
    Real AllowLoadTerzaghi = 0, AllowLoadVesic = 0;

    TSquareFootingData Square;
    TStabilityData Stability;
    TContinuousData Continuous;

    // --- Unit system ---
    // Stores the unit system and makes the matching input-limits table active.
    void SetUnitSystem(std::uint8_t units);
    // The SI value when Units = 1, else the English value, both passed through double.
    Real UnitValue(Real si, Real english) const;

    // --- Defaults and project files ---
    void ResetRecord();
    void LoadDefaults();
    void LoadProject(const std::string& path);
    void SaveProject(const std::string& path) const;
    // The same codec on memory; LoadProjectFromBytes expects a reset record too.
    void LoadProjectFromBytes(const std::vector<std::uint8_t>& bytes);
    std::vector<std::uint8_t> SaveProjectToBytes() const;
    void SaveProjectTo(TByteSink& sink) const;

    // --- Logo ---
    // Takes JPEG bytes after proving they decode; keeps the previous logo when they do not.
    void SetLogo(const std::vector<std::uint8_t>& jpeg);
    void ClearLogo() { Logo.clear(); }
    void LoadLogoFile(const std::string& path);

    bool HasPedestals() const { return Stability.PedestalCount > 0; }

    // --- Computations ---
    void ComputeAll();
    void BearingCapacity();
    void StabilityAnalysis();
    void SquareFootingDesign();
    void ContinuousFootingDesign();

    template <class V> void VisitFields(V& v)
    {
        v.Input("Organization", Organization);
        v.Input("Logo", Logo);
        v.Input("ProjectName", ProjectName);
        v.Input("JobNumber", JobNumber);
        v.Input("DesignBy", DesignBy);
        v.Input("Date", Date);
        v.Input("Units", Units);
        v.Input("Shape", Shape);
        v.Input("B", B);
        v.Input("L", L);
        v.Input("Df", Df);
        v.Input("C", C);
        v.Input("Phi", Phi);
        v.Input("Gamma", Gamma);
        v.Input("Dw", Dw);
        v.Input("FS", FS);
        v.Input("Reserved1", Reserved1);
        v.Input("Reserved2", Reserved2);
        v.Input("AllowNetBearing", AllowNetBearing);
        v.Input("Reserved3", Reserved3);
        v.Input("Reserved4", Reserved4);
        v.Input("Reserved5", Reserved5);
        v.Input("Reserved6", Reserved6);
        v.Input("Reserved7", Reserved7);
        v.Input("Reserved8", Reserved8);
        v.Result("GammaW", GammaW);
        v.Result("PhiRad", PhiRad);
        v.Result("ATheta", ATheta);
        v.Result("NcTerzaghi", NcTerzaghi);
        v.Result("NqTerzaghi", NqTerzaghi);
        v.Result("NGammaTerzaghi", NGammaTerzaghi);
        v.Result("GammaPrime", GammaPrime);
        v.Result("TerzaghiCoef1", TerzaghiCoef1);
        v.Result("TerzaghiCoef3", TerzaghiCoef3);
        v.Result("SigmaZD", SigmaZD);
        v.Result("NcVesic", NcVesic);
        v.Result("Sc", Sc);
        v.Result("Dc", Dc);
        v.Result("NqVesic", NqVesic);
        v.Result("Sq", Sq);
        v.Result("Dq", Dq);
        v.Result("NGammaVesic", NGammaVesic);
        v.Result("SGamma", SGamma);
        v.Result("DGamma", DGamma);
        v.Result("BOverL", BOverL);
        v.Result("DepthK", DepthK);
        v.Result("QultTerzaghi", QultTerzaghi);
        v.Result("QallTerzaghi", QallTerzaghi);
        v.Result("QultVesic", QultVesic);
        v.Result("QallVesic", QallVesic);
        v.Result("AllowLoadTerzaghi", AllowLoadTerzaghi);
        v.Result("AllowLoadVesic", AllowLoadVesic);
        v.Group("Square", Square);
        v.Group("Stability", Stability);
        v.Group("Continuous", Continuous);
    }
};
