# Duenne Huelle um CMake/CTest.
BUILD      ?= build
FUZZBUILD  ?= build-fuzz
FUZZZEIT   ?= 60
# In "make test" laeuft jedes Fuzz-Ziel so lange: baut es nicht mehr oder stuerzt es auf seinem
# Startkorpus ab, schlaegt der Test fehl.
FUZZTEST   ?= 10
# "make fuzz-lang": je Ziel bis FUZZLAEUFE Eingaben, hoechstens FUZZLANGZEIT Sekunden.
FUZZLAEUFE   ?= 10000000
FUZZLANGZEIT ?= 1800
JOBS       ?= $(shell nproc)

.PHONY: all abhaengigkeiten konfigurieren bauen run test schulserver pakete bench fuzz fuzz-bauen \
	fuzz-lang screenshots clean

all: bauen

abhaengigkeiten:
	@scripts/abhaengigkeiten

$(BUILD)/build.ninja: | abhaengigkeiten
	cmake -S . -B $(BUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo

konfigurieren: abhaengigkeiten $(BUILD)/build.ninja

bauen: konfigurieren
	cmake --build $(BUILD) -j $(JOBS)

run: bauen
	cd "$(BUILD)/Mivo-Zuzovuvavev" && ./Mivo-Zuzovuvavev

# Der Schulserver-Test (eigener smbd, FUSE) laeuft in "make test" allein, einzeln mit
# "make schulserver".
test: bauen
	ctest --test-dir $(BUILD) --output-on-failure -j $(JOBS)
	$(MAKE) --no-print-directory fuzz FUZZZEIT=$(FUZZTEST)

schulserver: bauen
	ctest --test-dir $(BUILD) --output-on-failure -L schulserver

# Die Debian-Pakete mivo-zuzovuvavev und mivo-schueler nach $(BUILD)/pakete/.
pakete: bauen
	cd $(BUILD) && cpack -G DEB --config CPackConfig.cmake

bench: bauen
	@set -e; for b in $(BUILD)/bench/mivo_bench_*; do \
	    [ -f "$$b" ] && [ -x "$$b" ] || continue; \
	    echo "== $$b"; "$$b" --benchmark_min_time=0.2; \
	done

fuzz-bauen: abhaengigkeiten
	cmake -S . -B $(FUZZBUILD) -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
	    -DCMAKE_CXX_COMPILER=clang++ -DMIVO_FUZZ=ON
	cmake --build $(FUZZBUILD) -j $(JOBS) --target mivo_fuzz_alle

fuzz: fuzz-bauen
	@scripts/fuzz-laufen $(FUZZBUILD) $(FUZZZEIT)

fuzz-lang: fuzz-bauen
	@scripts/fuzz-laufen $(FUZZBUILD) $(FUZZLANGZEIT) $(FUZZLAEUFE)

screenshots: bauen
	@scripts/screenshots $(BUILD)

clean:
	rm -rf $(BUILD) $(FUZZBUILD)
