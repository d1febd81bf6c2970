// The toolkit suite's pump, modal runner and recording controls, shared rather than copied.
#include "../toolkit/toolkit_fixture.cpp"
