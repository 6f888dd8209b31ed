# Entry points: `make demo` and `make test` set everything up from a fresh clone.
JOBS ?= $(shell nproc)
RELEASE_DIR := build/release
ASAN_DIR := build/asan
DEMO_WAV := build/demo.wav

.PHONY: deps release asan demo test test-release test-asan bench clean

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

demo: release
	$(RELEASE_DIR)/host/kravo-host render --out $(DEMO_WAV) --tempo 120 --play \
	  --note 0:36 --note 0.5:38 --note 1:36 --note 1.25:36 --note 1.5:38 --seconds 3
	@echo "demo written to $(DEMO_WAV)"

test-release: release
	cd $(RELEASE_DIR) && ctest --output-on-failure -j $(JOBS)

test-asan: asan
	cd $(ASAN_DIR) && ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1 \
	  ctest --output-on-failure -j $(JOBS)

test: test-release test-asan

bench: release
	$(RELEASE_DIR)/bench/kravo-bench

clean:
	rm -rf build
