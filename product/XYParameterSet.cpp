// Names and ranges of the XY controller parameters.
#include "product/XYParameterSet.h"

#include "parameters/ParameterNames.h"

XYParameterSet::XYParameterSet(GenericParameterOwner& owner, int index)
    : PluginParameterSet(owner, ParameterNames::setName("XY Controller", index + 1)),
      hor(this, ParameterNames::parameterName(name(), " Hor")),
      ver(this, ParameterNames::parameterName(name(), " Ver")) {}

void XYParameterSet::initialise() {
    hor.setRange(-1.0f, 1.0f, 0.0f);
    ver.setRange(-1.0f, 1.0f, 0.0f);
}
