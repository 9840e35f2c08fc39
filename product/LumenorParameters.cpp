// Creation, initialisation and slot menus of the product's parameter layout.
#include "product/LumenorParameters.h"

#include "parameters/DecibelUnits.h"
#include "parameters/ScaleUnits.h"
#include "product/ParameterSetup.h"

#include <string>

namespace {

using ModulationRange = AbstractParameterSetList::ModulationRange;

// Modulation numbers: the targets and sources set 0 of each list owns, and how many each set owns.
constexpr ModulationRange kNoRange{};
constexpr ModulationRange kFilterTargets{0, 4};
constexpr ModulationRange kXLFOTargets{16, 4};
constexpr ModulationRange kXLFOSources{8, 1};
constexpr ModulationRange kEGTargets{40, 6};
constexpr ModulationRange kEGSources{14, 1};
constexpr ModulationRange kEFTargets{76, 2};
constexpr ModulationRange kEFSources{20, 1};
constexpr ModulationRange kMidiSources{24, 1};
constexpr int kInputGainTarget = 84; // then Input Pan, Output Gain, Output Pan, Mix
constexpr ModulationRange kSlotTargets{89, 1};
constexpr ModulationRange kXYSources{0, 2};

constexpr float kGainRangeDb = 36.0f;

void initialiseSets(AbstractParameterSetArray& sets) {
    for (int i = 0; i < sets.setCount(); ++i)
        sets.set(i)->initialise();
}

void setGainInDecibels(FloatPluginParameter& gain) {
    gain.setRange(-kGainRangeDb, kGainRangeDb, 0.0f);
    gain.unitFromInternal = &ParameterSetup::gainFromDecibels;
    gain.internalFromUnit = &DBParameterUnitBase::decibelsFromFactor;
    ParameterSetup::setDecibelDisplay(gain);
}

// Collects menu entries: index 0 is "none", each further index a number + 1 and its name.
class MenuBuilder {
public:
    explicit MenuBuilder(const char* noneName) : names_{noneName} { menu_.typedValues.push_back(0); }

    void add(int number, const std::string& name) {
        menu_.typedValues.push_back(number + 1);
        names_.push_back(name);
    }
    // The entries so far form the group that key 0 selects.
    void closeFirstGroup() { menu_.firstGroupEnd = static_cast<int>(menu_.typedValues.size()) - 1; }
    ModulationSlotParameterSet::Menu finish() {
        menu_.names = makeOptionNames(std::move(names_));
        return std::move(menu_);
    }

private:
    ModulationSlotParameterSet::Menu menu_{{}, {}, 0};
    std::vector<std::string> names_;
};

} // namespace

LumenorParameters::LumenorParameters(GenericParameterOwner& root)
    : inputGain(&root, "Input Gain"), inputPan(&root, "Input Pan"), outputGain(&root, "Output Gain"),
      outputPan(&root, "Output Pan"), mix(&root, "Mix"), routing(&root, "Routing"),
      routingMode(&root, "Routing Mode"), filters(root, "Filters", {1, 4, 1}, kFilterTargets, kFilterTargets),
      xlfos(root, "XLFOs", {0, 6, 0}, kXLFOTargets, kXLFOSources, kXLFOTargets),
      egs(root, "EGs", {0, 6, 0}, kEGTargets, kEGSources, kEGTargets),
      efs(root, "EFs", {0, 4, 0}, kEFTargets, kEFSources, kEFTargets),
      midiSources(root, "MIDI Sources", {0, 10, 0}, kNoRange, kMidiSources),
      receiveMidi(&root, "Receive MIDI"), autoMuteSelfOsc(&root, "Auto Mute Self-Osc"),
      auditionSignal(&root, "Audition Signal"), slots(root, "Slots", {0, 24, 0}, kSlotTargets, kSlotTargets),
      xyControllers(root, "XY Controllers", {0, 4, 0}, kNoRange, kXYSources),
      xlfoExtensions(root, xlfos.setCount(), kXLFOTargets), egExtensions(root, egs.setCount(), kEGTargets),
      midiSourceExtensions(root, midiSources.setCount()) {
    initialiseGlobals();
    initialiseSets(filters);
    initialiseSets(xlfos);
    initialiseSets(egs);
    initialiseSets(efs);
    initialiseSets(midiSources);
    initialiseSets(slots);
    initialiseSets(xyControllers);
    initialiseSets(xlfoExtensions);
    initialiseSets(egExtensions);
    initialiseSets(midiSourceExtensions);
    xlfos.attachArray(xlfoExtensions);
    egs.attachArray(egExtensions);
    midiSources.attachArray(midiSourceExtensions);
    buildSlotMenus();
}

void LumenorParameters::initialiseGlobals() {
    static const OptionNames routingModes = makeOptionNames("Stereo,Per Channel,Mid/Side");
    static const OptionNames midiStates = makeOptionNames("Enabled,Disabled");
    static const OptionNames offOn = makeOptionNames("Off,On");
    static const OptionNames auditionSignals = makeOptionNames("Output,Input,Side Chain");

    ModulationTargetParameter* const targets[] = {&inputGain, &inputPan, &outputGain, &outputPan, &mix};
    for (int i = 0; i < 5; ++i)
        targets[i]->setModulationTarget(nullptr, kInputGainTarget + i);

    setGainInDecibels(inputGain);
    inputPan.setRange(-1.0f, 1.0f, 0.0f);
    setGainInDecibels(outputGain);
    outputPan.setRange(-1.0f, 1.0f, 0.0f);

    mix.setRange(0.0f, 100.0f, 100.0f);
    mix.setDisplayRange(-1.0f, 1.0f);
    mix.setUnit(PercentParameterUnit::instance());
    // Shown as (u + 1) * 50 %.
    mix.displayScale = 50.0f;
    mix.displayOffset = 50.0f;

    ParameterSetup::setChoice(routing, 0, 7, 0);
    ParameterSetup::setChoice(routingMode, 0, 2, 0, routingModes);
    ParameterSetup::setChoice(receiveMidi, 0, 1, 0, midiStates);
    ParameterSetup::setChoice(autoMuteSelfOsc, 0, 1, 1, offOn);
    ParameterSetup::setChoice(auditionSignal, 0, 2, 0, auditionSignals);
}

void LumenorParameters::buildSlotMenus() {
    // Targets: the sets' own, the global section, the slot levels; then, in a group of their own, the
    // extensions', which later versions added.
    MenuBuilder targetMenu("< Target >");
    targets_.assign(kTargetCount, nullptr);
    auto addTarget = [&](AbstractPluginParameter& parameter) {
        auto* target = dynamic_cast<ModulationTargetParameter*>(&parameter);
        if (!target) return;
        targetMenu.add(target->targetNumber(), target->name());
        if (target->targetNumber() >= 0 && target->targetNumber() < kTargetCount)
            targets_[static_cast<std::size_t>(target->targetNumber())] = target;
    };
    filters.enumerateParameters(addTarget);
    xlfos.enumerateParameters(addTarget);
    egs.enumerateParameters(addTarget);
    efs.enumerateParameters(addTarget);
    for (ModulationTargetParameter* global : {&inputGain, &inputPan, &outputGain, &outputPan, &mix})
        addTarget(*global);
    slots.enumerateParameters(addTarget);
    targetMenu.closeFirstGroup();
    xlfoExtensions.enumerateParameters(addTarget);
    egExtensions.enumerateParameters(addTarget);

    // Sources: one per XLFO, EG, EF and MIDI source, named after its set; then, in a group of their own,
    // the XY controllers' two axes.
    MenuBuilder sourceMenu("< Source >");
    auto addSetSources = [&](const auto& list) {
        for (int i = 0; i < list.setCount(); ++i)
            sourceMenu.add(list.sourceNumber(i, 0), list.set(i)->name());
    };
    addSetSources(xlfos);
    addSetSources(egs);
    addSetSources(efs);
    addSetSources(midiSources);
    sourceMenu.closeFirstGroup();
    for (int i = 0; i < xyControllers.setCount(); ++i) {
        const XYParameterSet& xy = *xyControllers.typedSet(i);
        sourceMenu.add(xyControllers.sourceNumber(i, 0), xy.hor.name());
        sourceMenu.add(xyControllers.sourceNumber(i, 1), xy.ver.name());
    }

    const ModulationSlotParameterSet::Menu sources = sourceMenu.finish();
    const ModulationSlotParameterSet::Menu targets = targetMenu.finish();
    for (int i = 0; i < slots.setCount(); ++i)
        slots.typedSet(i)->setMenus(sources, targets);
}

ModulationTargetParameter* LumenorParameters::targetParameter(int number) const {
    return number >= 0 && number < kTargetCount ? targets_[static_cast<std::size_t>(number)] : nullptr;
}

void LumenorParameters::setModulationTargetOwner(IModulationTargetOwner* owner) {
    for (ModulationTargetParameter* target : targets_)
        if (target) target->setModulationTarget(owner, target->targetNumber());
}

void LumenorParameters::setSlotEditor(ISlotEditor* editor) {
    filters.setSlotEditor(editor);
    xlfos.setSlotEditor(editor);
    egs.setSlotEditor(editor);
    efs.setSlotEditor(editor);
    midiSources.setSlotEditor(editor);
    slots.setSlotEditor(editor);
    xyControllers.setSlotEditor(editor);
}
