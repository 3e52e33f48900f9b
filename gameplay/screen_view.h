// The view rectangle every play-screen frame stores first: the window's frame.
#pragma once

void SetWindowViewRect();
