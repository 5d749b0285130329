#pragma once
void b();
