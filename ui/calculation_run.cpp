#include "calculation_run.hpp"

#include <optional>
#include <string>

#include "calc/coefficient_table.hpp"
#include "calc/failure.hpp"
#include "calc/plate_results.hpp"
#include "calc/reduction_factor.hpp"
#include "calc/seismic_load.hpp"
#include "calc/wind_load.hpp"
#include "number_text.hpp"
#include "texts.hpp"

namespace varnok {
namespace {

// A coefficient, or the message of the range exit when the pane's proportions leave the table.
struct Lookup {
  double value = 0;
  std::string_view outOfRange;
};

class Run {
 public:
  Run(Form& form, std::string_view decimalSeparator) : form_(form), separator_(decimalSeparator) {}

  // The steps in their fixed order. Returns the message of an exit, or none when complete.
  // Every CalcFailure, from a conversion or from the arithmetic, leaves at once: nothing is
  // written after it.
  std::optional<std::string_view> steps() {
    const WindLoad wind = windStep();
    seismicStep(wind);
    const double eta = reductionStep();
    const Lookup mu = coefficientStep(deflectionTable);
    if (!mu.outOfRange.empty()) {
      return mu.outOfRange;
    }
    const Lookup m = coefficientStep(bendingTable);
    if (!m.outOfRange.empty()) {
      return m.outOfRange;
    }
    resultStep(wind, eta, mu.value, m.value);
    return std::nullopt;
  }

  void exit(std::string_view message) {
    form_.showMessage(message);
    for (const Field field : resultFields) {
      form_.setText(field, "");
    }
  }

 private:
  double number(const std::string& text) const {
    const std::optional<double> value = textToNumber(text, separator_);
    if (!value) {
      throw CalcFailure{};
    }
    return *value;
  }

  std::string read(Field field) const { return form_.text(field); }

  void write(Field field, double value) { form_.setText(field, numberToText(value, separator_)); }

  Terrain terrain() const {
    if (form_.isSelected(Option::Option1)) {
      return Terrain::A;
    }
    if (form_.isSelected(Option::Option2)) {
      return Terrain::B;
    }
    return form_.isSelected(Option::Option3) ? Terrain::C : Terrain::D;
  }

  WindLoad windStep() const {
    const Terrain category = terrain();
    const double z = number(read(Field::Text1));
    const std::string w0 = read(Field::Text2);
    const std::string mus = read(Field::Text3);
    return windLoad(category, z, number(w0), number(mus));
  }

  void seismicStep(const WindLoad& wind) {
    const std::string betaE = read(Field::Text7);
    const std::string alphaMax = read(Field::Text8);
    const std::string G = read(Field::Text6);
    const double g = number(G);
    const CombinedLoads loads = combinedLoads(wind, g, number(betaE), number(alphaMax));
    write(Field::Text11, loads.qk);
    write(Field::Text12, loads.q);
  }

  // q_k comes back from the text just written into Text11: theta carries the shown precision.
  double reductionStep() const {
    const std::string a = read(Field::Text9);
    const std::string c = read(Field::Text5);
    const std::string t = read(Field::Text4);
    const std::string qk = read(Field::Text11);
    const double av = number(a);
    const double cv = number(c);
    const double qkv = number(qk);
    return reductionFactor(largeDeflectionParameter(av, cv, qkv, number(t)));
  }

  // The short side is read only once the support ratio lies inside the table.
  Lookup coefficientStep(const CoefficientTable& table) const {
    const std::string c = read(Field::Text5);
    const std::string a = read(Field::Text9);
    const double av = number(a);
    const double lambda = supportRatio(av, number(c));
    const std::optional<SupportRange> range = supportRange(lambda);
    if (!range) {
      return {0, texts::supportRatioOutOfRange};
    }
    const double rho = aspectRatio(number(read(Field::Text10)), av);
    const std::optional<double> value = coefficient(table, *range, lambda, rho);
    if (!value) {
      return {0, texts::aspectRatioOutOfRange};
    }
    return {*value, {}};
  }

  void resultStep(const WindLoad& wind, double eta, double mu, double m) {
    {
      const std::string t = read(Field::Text4);
      const std::string a = read(Field::Text9);
      const double av = number(a);
      write(Field::Text14, maxDeflection(mu, wind.wk, eta, av, number(t)));
    }
    {
      const std::string t = read(Field::Text4);
      const std::string a = read(Field::Text9);
      const double av = number(a);
      write(Field::Text15, maxStress(m, wind.wkDesign, eta, av, number(t)));
    }
    {
      // The verdict judges the deflection as shown, rounded to 15 significant digits.
      const std::string a = read(Field::Text9);
      const double shown = number(read(Field::Text14));
      const bool acceptable = stiffnessAcceptable(shown, number(a));
      form_.setText(Field::Text16,
                    acceptable ? texts::stiffnessAcceptable : texts::stiffnessNotAcceptable);
    }
    write(Field::Text17, deflectionLimit(number(read(Field::Text9))));
  }

  Form& form_;
  std::string_view separator_;
};

}  // namespace

void runCalculation(Form& form, std::string_view decimalSeparator) {
  Run run(form, decimalSeparator);
  std::optional<std::string_view> exitMessage;
  try {
    exitMessage = run.steps();
  } catch (const CalcFailure&) {
    exitMessage = texts::inputError;
  }
  if (exitMessage) {
    run.exit(*exitMessage);
  }
}

}  // namespace varnok
