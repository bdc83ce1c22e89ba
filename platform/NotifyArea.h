#pragma once
// The desktop's notification-area service.
