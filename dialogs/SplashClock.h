#pragma once
// The splash screen's clock and the rule that picks its message.
