# Entry points: `make demo` and `make test` set everything up from a fresh clone.
JOBS ?= $(shell nproc)
RELEASE_DIR := build/release
ASAN_DIR := build/asan
DEMO_WAV := build/demo.wav

.PHONY: deps release asan demo test test-release test-asan bench bench-realtime art deps-fuzz fuzz clean

deps:
	@scripts/install-deps

$(RELEASE_DIR)/build.ninja: | deps
	cmake -S . -B $(RELEASE_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Release

$(ASAN_DIR)/build.ninja: | deps
	cmake -S . -B $(ASAN_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug -DKRAVO_SANITIZE=ON

release: deps $(RELEASE_DIR)/build.ninja
	cmake --build $(RELEASE_DIR) -j $(JOBS)

asan: deps $(ASAN_DIR)/build.ninja
	cmake --build $(ASAN_DIR) -j $(JOBS)

# Factory program 0 ("Q-groovy 120bpm") playing its first pattern (note 60, latched) for 8 bars at
# 120 BPM with the transport running; its sample slots' files go into the sample folder first.
demo: release
	scripts/install-factory-samples $(RELEASE_DIR)
	$(RELEASE_DIR)/host/kravo-host render --out $(DEMO_WAV) --program 0 --tempo 120 --play --note 0:60 --seconds 16
	@echo "demo written to $(abspath $(DEMO_WAV))"

test-release: release
	cd $(RELEASE_DIR) && ctest --output-on-failure -j $(JOBS)

test-asan: asan
	cd $(ASAN_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

test: test-release test-asan

bench: release
	$(RELEASE_DIR)/bench/kravo-bench

# Every image of the editor on one sheet, labelled by id, for a person to look at.
ART_SHEET := build/art/contact-sheet.png

art: deps $(RELEASE_DIR)/build.ninja
	cmake --build $(RELEASE_DIR) --target kravo_editor_art_generator
	mkdir -p $(dir $(ART_SHEET))
	$(RELEASE_DIR)/resources/editor_art/kravo_editor_art_generator --contact-sheet $(ART_SHEET)
	@echo "contact sheet written to $(ART_SHEET)"

# Whole renders through kravo-host on one core: real-time factors, construction time and object size.
bench-realtime: release
	python3 bench/realtime_factors.py $(RELEASE_DIR)

# Fuzzes every reader of untrusted bytes for FUZZ_SECONDS each (a smoke run), one after another, each
# seeded with fuzz/seeds/<target> (the sample readers with the tests' crafted files, the resource reader
# also with the plug-in's own resource file); clang's libFuzzer with ASan and UBSan, in its own build.
# Inputs that found something new stay in FUZZ_DIR/<target>-corpus for the next run; a crash leaves its
# input in FUZZ_DIR as crash-*. The ordinary build's tests replay the same seeds once, without libFuzzer.
FUZZ_DIR := build/fuzz
FUZZ_SECONDS ?= 60
FUZZ_TARGETS := sample chunk resource table value-text view-description view-record item-list state-chunk \
  state-file midi-file pattern-file drum-preset ecs-file settings-file png plugin-chunk

deps-fuzz:
	@scripts/install-deps --fuzz

$(FUZZ_DIR)/build.ninja: | deps-fuzz
	CC=clang-16 CXX=clang++-16 cmake -S . -B $(FUZZ_DIR) -G Ninja -DCMAKE_BUILD_TYPE=Debug \
	  -DKRAVO_FUZZ=ON -DKRAVO_TESTS=OFF -DKRAVO_BENCH=OFF

fuzz: deps-fuzz $(FUZZ_DIR)/build.ninja
	cmake --build $(FUZZ_DIR) -j $(JOBS) --target kravo-sample-seeds kravo_host_resources \
	  $(foreach target,$(FUZZ_TARGETS),kravo-$(target)-fuzzer)
	rm -rf $(FUZZ_DIR)/sample-seeds && $(FUZZ_DIR)/fuzz/kravo-sample-seeds $(FUZZ_DIR)/sample-seeds
	mkdir -p $(FUZZ_DIR)/resource-seeds && cp $(FUZZ_DIR)/hostframework/libkravo.so.rsr $(FUZZ_DIR)/resource-seeds/
	set -e; for target in $(FUZZ_TARGETS); do \
	  mkdir -p $(FUZZ_DIR)/$$target-corpus; \
	  $(FUZZ_DIR)/fuzz/kravo-$$target-fuzzer -max_total_time=$(FUZZ_SECONDS) -print_final_stats=1 \
	    -artifact_prefix=$(FUZZ_DIR)/ $(FUZZ_DIR)/$$target-corpus \
	    $$(ls -d fuzz/seeds/$$target $(FUZZ_DIR)/$$target-seeds 2>/dev/null); \
	done

clean:
	rm -rf build
